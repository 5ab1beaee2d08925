#pragma once

// The C interface every test-method plug-in exports. Texts are zero-terminated UTF-16 owned by the
// caller (copied before use); no exception leaves an export: errors are shown in the error dialog and
// the export returns 0 (or nothing).

#include <cstdint>

#if defined(_WIN32)
#define VAMO_PLUGIN_EXPORT __declspec(dllexport)
#else
#define VAMO_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

// Shows the panel in `parent` (the QWidget* of the host's panel area); a second call reuses it.
VAMO_PLUGIN_EXPORT void ModalShow(void* parent);
// Closes the group record file, saves the panel choices and frees the panel.
VAMO_PLUGIN_EXPORT void Modalclose();
// A fetched test number: xmid, grou_table, synum, keynum, curorder, testcount, guige, specgl, area,
// size1, size2, size3, shch_flag, hjwd, sy_sb. Returns 1.
VAMO_PLUGIN_EXPORT std::int32_t
set_sh_param(const char16_t* xmid, const char16_t* grou_table, const char16_t* synum, const char16_t* keynum,
             const char16_t* curorder, const char16_t* testcount, const char16_t* guige,
             const char16_t* specgl, const char16_t* area, const char16_t* size1, const char16_t* size2,
             const char16_t* size3, const char16_t* shch_flag, const char16_t* hjwd, const char16_t* sy_sb);
// The load speed target in kN/s.
VAMO_PLUGIN_EXPORT float dll_test_getsp(std::int32_t unused);
// A specimen is to be loaded: the load speed target, or 0 when the run must not start.
VAMO_PLUGIN_EXPORT float dll_test_start(std::int32_t unused, const char16_t* tester);
// The operator stopped the run.
VAMO_PLUGIN_EXPORT void dll_test_stop(std::int32_t unused);

// cmodulus only (fixed_load_exports.cpp): the high and the low fixed load in kN.
VAMO_PLUGIN_EXPORT float dll_test_getgd(std::int32_t unused);
VAMO_PLUGIN_EXPORT float dll_test_getdd(std::int32_t unused);

// A specimen is finished (evaluation_exports.cpp): upload flag, peak force (kN), test time, lower yield,
// gauge length, the curve database's file in the db folder and its table. Returns the delay in seconds
// before the next specimen of a continuous test, or 0.
VAMO_PLUGIN_EXPORT std::int32_t dll_test_endone(std::int32_t uploadFlag, float peakForce, float testTime,
                                                float lowerYield, float gaugeLength,
                                                const char16_t* curveFile, const char16_t* curveTable);
// The operator ends the group early: the group is evaluated over the specimens tested so far.
VAMO_PLUGIN_EXPORT void dll_test_endall(std::int32_t uploadFlag);
}
