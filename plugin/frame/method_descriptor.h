#pragma once

#include "plugin/frame/field_id.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vamo::plugin {

// One field of a panel: how it looks, what it offers and how it is remembered in sys_set.ini.
struct FieldSpec {
    FieldId id;
    std::string caption{};
    FieldKind kind = FieldKind::List;
    std::vector<std::string> items{};
    std::string defaultText{};
    std::string key{}; // settings key; empty: never stored
    bool restored = true; // false: the key is written but never read back ("written only")
    int maxLength = 0; // characters the operator may type; 0: no limit
    KeyFilter filter = KeyFilter::None;
    bool visible = true;
    bool startsEnabled = true;
};

// A size text that sets the area factor directly, without parsing.
struct FixedSize {
    std::string text{}; // compared untrimmed
    float areaFactor = 0;
    std::optional<std::string> factorItem{}; // item of ComboBox_xzxs selected with it
    std::optional<float> firstDimension{};
    std::optional<float> secondDimension{};
};

// How a size text that matches no fixed text becomes the area factor.
enum class SizeFormula {
    SectionArea, // cylinder pi*(d/2)^2/1000, prism a*b/1000
    PrismArea, // a*b/1000; a leading "Φ" only ends an empty first number
    BrickArea, // prism a*b/1000; cylinder d*size2/1000; both keep the two dimensions
    WallBrickArea, // prism a*b/1000; cylinder pi*(d/2)^2/1000 with dimensions d and size2
    BeamSection, // b^2/3000 with b the first number (cylinder: d)
    BrickBending, // b*h^2/(1.5*L*1000), b and h the second and third numbers, L the span
    PrismEdgeBending, // b^3/(1.5*L*1000), b the edge field, L the span
    EnteredArea, // the field holds the area in mm^2: area/1000, no default
};

// What the size handler runs once the area factor is known.
enum class AfterArea {
    FactorThenStressRate,
    Factor,
    DivideByFactor, // divisor := area_factor / factor, handed to the host, without the factor handler
    AreaIsDivisorThenStressRate,
};

struct SizeRule {
    FieldId field = FieldId::ComboBox_mj; // the field the size handler reads
    std::vector<FixedSize> fixed{};
    SizeFormula formula = SizeFormula::SectionArea;
    float defaultDiameter = 150; // cylinder d
    float defaultFirst = 150; // prism a (BeamSection: b; BrickBending: b is the second number)
    float defaultSecond = 150; // prism b (BrickBending: h, the third number)
    float defaultSpan = 0; // BrickBending and PrismEdgeBending
    float defaultRecordSize2 = 100; // BrickArea and WallBrickArea cylinders: size2 when it is no number
    AfterArea after = AfterArea::FactorThenStressRate;
    bool spanChangeRunsHandler = false; // ComboBox_kj changes run the size handler
};

// What dll_test_getsp returns.
enum class SpeedSource {
    SpeedLabel, // the computed load speed shown in `speed`
    StressRateField, // the number in ComboBox_ylsd (kN/s)
    StressRateFieldPerThousand, // the number in ComboBox_ylsd (N/s) / 1000
};

// What the grade handler does to strength_decimals.
enum class GradeRule {
    None,
    TwoDecimalsForTwoMpa, // "2" when ComboBox_qddj reads "2Mpa", else "1"
    AlwaysTwoDecimals,
};

// How set_sh_param fills the grade, age and size fields.
enum class GradeAssignment { Grade, SplitVarietyAndGrade, None };
enum class AgeAssignment { Unchanged, ThreeForListedItems };
enum class SizeAssignment { Size1TimesSize2, Size1 };

struct ShParamRule {
    GradeAssignment grade = GradeAssignment::Grade;
    AgeAssignment age = AgeAssignment::Unchanged;
    std::vector<std::string> ageThreeItems{}; // xmid values that give age "3"; any other gives "28"
    SizeAssignment size = SizeAssignment::Size1TimesSize2;
};

// Where the rows of test_set that differ by plug-in come from.
enum class GradeRow { Grade, VarietyAndGrade, FixedZero, FixedBlank, None };
enum class FactorRow { Field, FixedOne };
enum class LoadSpeedRow { SpeedLabel, StressRateField, None };

struct TestSetLayout {
    GradeRow grade = GradeRow::Grade;
    bool ageRow = true;
    bool spanRow = false; // 跨距
    FactorRow factor = FactorRow::Field;
    LoadSpeedRow loadSpeed = LoadSpeedRow::StressRateField;
    bool fixedLoadRows = false; // 低定载荷, 高定载荷, 标距
};

// The panel's geometry and the offsets of relayout.
struct PanelLayout {
    int width = 280;
    int height = 1024;
    bool relayout = true;
    int gridOffset = 125; // grid height := H - group height - title height - gridOffset
    int groupOffset = 130; // group top := H - group height - groupOffset
};

// What the evaluation will read of a plug-in: kept here so that every difference lives in one table.
enum class SecondValueSource {
    StrengthRow, // 强度 of each result table
    ModulusRow, // 弹性模量
    ForceByDivisor, // computed as force / strength divisor
};

// A column of the summary row: the current text of a panel field, or a fixed text.
struct SummaryText {
    std::optional<FieldId> field;
    std::string fixed;
};

inline SummaryText fromField(FieldId id) {
    return {id, {}};
}
inline SummaryText fixedText(std::string text) {
    return {std::nullopt, std::move(text)};
}

// The summary row's columns that differ by plug-in.
struct SummaryColumns {
    SummaryText variety = fixedText(""); // sjpz
    SummaryText grade = fromField(FieldId::ComboBox_qddj); // qddj
    SummaryText size = fromField(FieldId::ComboBox_mj); // sjgg
    SummaryText speed = fromField(FieldId::ComboBox_ylsd); // speed
    SummaryText factor = fromField(FieldId::ComboBox_xzxs); // xzxs
    SummaryText age = fromField(FieldId::ComboBox_sjql); // lq
    bool spanColumn = true; // kj "100"
};

// How a plug-in completes a specimen and evaluates a group, where it differs from the others.
struct EvaluationTraits {
    float forceFactor = 1; // 1000 where forces are recorded in N
    SecondValueSource secondValue = SecondValueSource::StrengthRow;
    std::string summaryMethodName; // synx of the summary row
    SummaryColumns summary;
    bool asksLoadLine = false; // concflex: "是否位于集中载荷作用线之内"
    bool modulus = false; // cmodulus: the modulus rows, E in the grid
    bool exchangeDimensions = false; // testdata size1/size2 from the brick dimensions ("%.0f")
    bool writesExchangeRow = true; // the exchange row of a fetched test number
    bool continuousDelay = true; // returns the delay of a continuous test
    bool summaryOnlyForFlagOne = false; // the summary row is written for flag 1 only (else any non-zero)
    bool advancesGroupNumber = true;
};

struct MethodDescriptor {
    std::string name; // "conccomp"
    std::string title; // text of StaticText_modal, spaces as written
    std::string prefix; // group file prefix, "SNKY-"
    bool ageInFileName = true;

    std::vector<FieldSpec> fields; // top to bottom
    std::vector<FieldId> saveOrder; // fields whose keys save_menu writes, in order

    SizeRule size;
    bool factorHandlerActs = true; // a ComboBox_xzxs change runs the factor handler
    bool stressRateComputesSpeed = false; // the stress-rate handler fills `speed`
    GradeRule grade = GradeRule::None;
    SpeedSource speed = SpeedSource::StressRateField;

    std::string initialStrengthDecimals = "1";

    // Result grid.
    std::array<std::string, 3> gridTitles{" 序号", " 力值 (kN)", " 强度 (MPa)"};
    std::string validForceRowLabel = "有效力值";
    bool countMustBeInteger = false; // a count that is no integer raises instead of a 4-row grid

    std::vector<FieldId> lockedFields; // locked by dll_test_start
    bool stopUnlocks = true; // dll_test_stop unlocks them

    ShParamRule shParam;
    TestSetLayout testSet;
    PanelLayout layout;
    EvaluationTraits evaluation;

    bool hasField(FieldId id) const;
    // Throws std::out_of_range naming the field when the plug-in has none.
    const FieldSpec& field(FieldId id) const;
};

} // namespace vamo::plugin
