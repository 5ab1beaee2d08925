#pragma once

// Inputs and outputs of the group evaluation rules.

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vamo::rules {

// The largest group; specimens beyond the group read as 0.
inline constexpr int kMaxSpecimens = 24;

// Stored wherever a group value does not exist.
inline constexpr std::string_view kInvalidText = "无效";

// The rule a test method evaluates its groups with.
enum class RuleFamily {
    MiddleValueRounded, // middle value, 15 %, results rounded half up
    LoadLine, // flexural pairs inside the load lines, 15 %
    Modulus, // elastic modulus, 20 % of three times the high fixed load
    Iterative10, // repeated rejection of the worst specimen beyond 10 % of the mean
    SixSpecimen, // two passes over six specimens, 10 % of the mean
    PlainMean, // mean of the group, nothing rejected
};

// Where the valid strength of a plain mean comes from.
enum class StrengthSource {
    FromStrengths, // mean of the specimens' second values
    FromForceText, // the valid force text read back as a number, divided by the strength divisor
};

struct RuleChoice {
    RuleFamily family;
    StrengthSource plainMeanStrength;

    friend bool operator==(const RuleChoice&, const RuleChoice&) = default;
};

// One finished group. Index i holds specimen i + 1; untested specimens are 0.
struct GroupInput {
    int count = 0;
    std::array<float, kMaxSpecimens> force{};
    // Strength of each specimen; the elastic modulus under the modulus rule.
    std::array<float, kMaxSpecimens> second{};
    // Raw peak texts as stored; a leading "*" means the specimen broke outside the load lines.
    std::array<std::string, kMaxSpecimens> peakTexts{};
    int forceDecimals = 2;
    int strengthDecimals = 1;
    float strengthDivisor = 1.0f;
    // High fixed load in kN, read by the modulus rule only.
    float highFixedLoad = 0.0f;
};

// What a rule decides. Under the modulus rule validForce is its first value (stored as 有效力值)
// and validStrength the valid modulus (stored as 有效强度 and 弹性模量).
struct GroupOutcome {
    std::string validForce;
    std::string validStrength;
    // Specimens (1-based) whose force cell gets a leading "*", in the order they were rejected.
    std::vector<int> marked;

    friend bool operator==(const GroupOutcome&, const GroupOutcome&) = default;
};

// An input the rules cannot work with: a count or a number of decimals out of range,
// or a plug-in without a rule.
class RuleInputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vamo::rules
