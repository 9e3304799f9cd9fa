#include <gtest/gtest.h>

#include <QtGlobal>

#include "cli/CliTestSupport.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

namespace {

// Runs the program under the C locale, whose dates are written in English.
class ExtendedTemplatePreviewTest : public testing::Test {
protected:
    void SetUp() override {
        saved_ = {{"LC_ALL", qgetenv("LC_ALL")}, {"LANGUAGE", qgetenv("LANGUAGE")}};
        qputenv("LC_ALL", "C.UTF-8");
        qunsetenv("LANGUAGE");
    }
    void TearDown() override {
        for (const auto &[name, value] : saved_) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }

    TestDir dir;

private:
    std::vector<std::pair<const char *, QByteArray>> saved_;
};

TEST_F(ExtendedTemplatePreviewTest, RegexFindAndReplaceConvertsDatesAndCase) {
    const QString holiday = dir.makeFile("20240105_holiday.jpg");
    const QString notADate = dir.makeFile("20241305_party.jpg");
    const QString steps = writeStepsFile(
        dir.path(), {findAndReplace("(\\d{4})(\\d{2})(\\d{2})_(\\w+)",
                                    "\\D(yyyyMMdd)>(d MMM yyyy)$1$2$3\\E - \\u$4", true)});
    const CliRun run = runCliProgram({"preview", "--steps", steps, holiday, notADate});
    EXPECT_EQ(run.status, 0) << run.err;
    // Month 13 is no date: the digits stay, the case conversion still applies.
    EXPECT_EQ(run.lines(), QStringList({"[green]  20240105_holiday.jpg -> 5 Jan 2024 - Holiday.jpg",
                                        "[green]  20241305_party.jpg -> 20241305 - Party.jpg"}));
}

}  // namespace
