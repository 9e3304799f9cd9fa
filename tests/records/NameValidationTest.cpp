#include <gtest/gtest.h>

#include "common/UserDefaults.h"
#include "records/NameValidation.h"

namespace {

class NameValidationTest : public testing::Test {
protected:
    void TearDown() override {
        UserDefaults::standardUserDefaults().removeObjectForKey(NameValidation::kAllowDotPrefixKey);
    }
};

}  // namespace

TEST_F(NameValidationTest, EmptyNameIsNil) {
    EXPECT_EQ(NameValidation::errorForName(QString()), QStringLiteral("Resulting filename is nil"));
}

TEST_F(NameValidationTest, DotPrefixHidesTheFileUnlessAllowed) {
    EXPECT_EQ(NameValidation::errorForName(QStringLiteral(".hidden")),
              QStringLiteral("Resulting filename would make the file invisible"));
    EXPECT_EQ(NameValidation::errorForName(QStringLiteral("a.b")), QString());

    UserDefaults::standardUserDefaults().setBool(true, QStringLiteral("Allow Dot Prefix"));
    EXPECT_EQ(NameValidation::errorForName(QStringLiteral(".hidden")), QString());
}

TEST_F(NameValidationTest, NativeNamesMustBeUtf8) {
    EXPECT_EQ(NameValidation::errorForNativeName(QByteArray("bad\xff.txt")),
              QStringLiteral("Filename is not valid UTF-8"));
    EXPECT_EQ(NameValidation::errorForNativeName(QByteArray("\xc3(")),
              QStringLiteral("Filename is not valid UTF-8"));
    EXPECT_EQ(NameValidation::errorForNativeName(QByteArray("caf\xc3\xa9.txt")), QString());
}
