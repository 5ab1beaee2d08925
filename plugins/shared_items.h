#pragma once

#include "plugin/frame/method_descriptor.h"

#include <string>
#include <vector>

// Item lists and field locks that several test methods share.
namespace vamo::plugins {

inline std::vector<std::string> concreteGrades() {
    return {"C15", "C20", "C25", "C30", "C35", "C40", "C45", "C50", "C55", "C60", "C65", "C70", "C75", "C80"};
}

inline std::vector<std::string> fourAges() {
    return {"1", "3", "7", "28"};
}

inline std::vector<std::string> sixAges() {
    return {"1", "2", "3", "5", "7", "28"};
}

inline std::vector<std::string> sizeFactors() {
    return {"0.95", "1", "1.05"};
}

inline std::vector<std::string> brickSizes() {
    return {"240*115*53", "240*115*90", "100*200*55", "290*240*180", "175*140*90", "250**250*40"};
}

inline std::vector<std::string> brickGrades() {
    return {"MU10", "MU15", "MU20", "MU25", "MU30"};
}

inline std::vector<std::string> brickVarieties() {
    return {"A", "B", "C"};
}

// Cement varieties: "P", a blank and a middle dot (U+00B7) before the letters.
inline std::vector<std::string> cementVarieties() {
    return {"P \u00B7I",         "P \u00B7II", "P \u00B7O", "P \u00B7S \u00B7A",
            "P \u00B7S \u00B7B", "P \u00B7P",  "P \u00B7F", "P \u00B7C"};
}

inline std::vector<std::string> pasteVarieties() {
    return {"M2.5", "M5", "M7.5", "M10", "M15", "M20", "M40", "M50"};
}

inline std::vector<std::string> pasteGrades() {
    return {"M2.5", "M5", "M7.5", "M10", "M20", "M40", "M50", "40Mpa", "50Mpa"};
}

inline std::vector<std::string> mortarFactors() {
    return {"1", "1.35"};
}

// The methods whose operator enters a stress rate: the panel computes the load speed (`speed`), which
// dll_test_getsp returns and test_set records as 载荷速度.
inline void takesStressRate(plugin::MethodDescriptor& m) {
    m.stressRateComputesSpeed = true;
    m.speed = plugin::SpeedSource::SpeedLabel;
    m.testSet.loadSpeed = plugin::LoadSpeedRow::SpeedLabel;
}

// Fields locked while a group runs.
inline std::vector<plugin::FieldId> sizeAndFactorLock() {
    using plugin::FieldId;
    return {FieldId::Edit_bh,       FieldId::ComboBox_xzxs, FieldId::ComboBox_qddj, FieldId::ComboBox_mj,
            FieldId::ComboBox_sjql, FieldId::ComboBox_ylsd, FieldId::ComboBox_sjks, FieldId::ComboBox_ddlx};
}

inline std::vector<plugin::FieldId> varietyLock() {
    using plugin::FieldId;
    return {FieldId::Edit_bh,       FieldId::ComboBox_sjpz, FieldId::ComboBox_qddj, FieldId::ComboBox_sjql,
            FieldId::ComboBox_ylsd, FieldId::ComboBox_sjks, FieldId::ComboBox_ddlx};
}

// The keys most compressive methods write, in order.
inline std::vector<plugin::FieldId> compressiveSaveOrder() {
    using plugin::FieldId;
    return {FieldId::ComboBox_qddj, FieldId::ComboBox_sjql, FieldId::ComboBox_mj,   FieldId::ComboBox_xzxs,
            FieldId::ComboBox_ylsd, FieldId::ComboBox_sjks, FieldId::ComboBox_ddlx, FieldId::ComboBox_yssj};
}

// A field whose caption differs from the usual one.
inline plugin::FieldSpec withCaption(plugin::FieldSpec spec, std::string caption) {
    spec.caption = std::move(caption);
    return spec;
}

} // namespace vamo::plugins
