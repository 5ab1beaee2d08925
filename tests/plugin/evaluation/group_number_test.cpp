#include "plugin/evaluation/group_number.h"
#include "plugin/evaluation/shell_messages.h"

#include <gtest/gtest.h>

namespace vamo::evaluation {
namespace {

TEST(NextGroupNumber, LastThreeCharactersCountOn) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"A009", "A010"},
        {"A099", "A100"},
        {"A999", "A999"},
        {"2024-001", "2024-002"},
        {"12", "013"},
        {"5", "006"},
        {"ABC", "ABC"},
        {"", ""},
        {" 2024-009 ", "2024-010"},
        {"2026121100001", "2026121100002"},
        {"A-12", "A-11"},
    };
    for (const auto& [number, next] : cases) {
        EXPECT_EQ(nextGroupNumber(number), next) << "'" << number << "'";
    }
}

TEST(DatasaveStartMessage, CodesWithAMessageAndTheRest) {
    EXPECT_EQ(datasaveStartMessage(2), std::optional<std::string>("error指定的文件没有找到. "));
    EXPECT_EQ(datasaveStartMessage(28),
              std::optional<std::string>("error由于请求时间超期,DDE   事务无法完成 "));
    for (int silent : {1, 4, 12, 25, 33, 42}) {
        EXPECT_EQ(datasaveStartMessage(silent), std::nullopt) << silent;
    }
}

} // namespace
} // namespace vamo::evaluation
