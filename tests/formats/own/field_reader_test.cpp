#include "formats/own/field_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fontedit::formats {
namespace {

// Each field followed by "@" and the line it started on.
std::vector<std::string> readAll(std::string_view text) {
    std::vector<std::string> fields;
    FieldReader reader(text);
    while (!reader.atEnd()) {
        const std::string field = *reader.next();
        fields.push_back(field + "@" + std::to_string(reader.line()));
    }
    EXPECT_FALSE(reader.next().has_value());
    return fields;
}

TEST(FieldReader, SplitsFieldsAtCommasAndLineEndsWhateverTheLines) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {}},
        {"7C, 12, 11\r\n", {"7C@1", "12@1", "11@1"}},
        {", , \r\n", {"@1", "@1", "@1"}},
        {"a\r\nb\r\n\r\nc", {"a@1", "b@2", "@3", "c@4"}},
        {"a\nb\rc, d\n", {"a@1", "b@2", "c@3", "d@3"}},
        {"  a  ,b \r\n", {"a  @1", "b @1"}},
        {"a,", {"a@1", "@1"}},
        {"\"a, b\" x, \"c\r\nd\"\r\ne", {"a, b@1", "c\r\nd@1", "e@3"}},
        {" \"a,b", {"a,b@1"}},
    };
    for (const auto& [text, fields] : cases) EXPECT_EQ(readAll(text), fields) << text;
}

}  // namespace
}  // namespace fontedit::formats
