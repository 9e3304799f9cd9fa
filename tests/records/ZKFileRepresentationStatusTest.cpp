#include <gtest/gtest.h>

#include <QFile>

#include "records/ZKFileRepresentation.h"
#include "support/NativeTestFiles.h"

namespace {

ZKFileRepresentationPtr record(const QString &name) {
    return ZKFileRepresentation::fileRepresentationWithPath(QStringLiteral("/nowhere/") + name,
                                                            nullptr);
}

// A record after a computation of steps with these results.
ZKFileRepresentationPtr computed(const QString &name, const QStringList &interimNames) {
    auto file = record(name);
    for (const QString &interimName : interimNames) file->setIntermediateName(interimName);
    file->setRenameName(file->intermediateName());
    return file;
}

}  // namespace

TEST(ZKFileRepresentationStatusTest, LightsOfTheNewName) {
    EXPECT_EQ(computed(QStringLiteral("a.txt"), {QStringLiteral("b.txt")})->statusLight(),
              ZKStatusLight::Green);
    EXPECT_EQ(computed(QStringLiteral("a.txt"), {QStringLiteral("b/c.txt")})->statusLight(),
              ZKStatusLight::Yellow);
    EXPECT_EQ(computed(QStringLiteral("a.txt"), {QStringLiteral(".b")})->statusLight(),
              ZKStatusLight::Red);
    EXPECT_EQ(computed(QStringLiteral("a.txt"), {QStringLiteral("a.txt")})->statusLight(),
              ZKStatusLight::Grey);
    EXPECT_EQ(computed(QStringLiteral("a.txt"), {QString()})->statusLight(), ZKStatusLight::Grey);

    auto collided = computed(QStringLiteral("a.txt"), {QStringLiteral("b.txt")});
    collided->setRenameNameError(QStringLiteral("Resulting filename isn't unique"));
    EXPECT_EQ(collided->statusLight(), ZKStatusLight::Red);
}

TEST(ZKFileRepresentationStatusTest, LightsOfAnInterimName) {
    auto file = computed(QStringLiteral("a.txt"),
                         {QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral(""),
                          QStringLiteral(".c"), QStringLiteral(".c")});
    EXPECT_EQ(file->statusLight(0), ZKStatusLight::Grey);
    EXPECT_EQ(file->statusLight(1), ZKStatusLight::Green);
    EXPECT_EQ(file->statusLight(2), ZKStatusLight::Red);
    EXPECT_EQ(file->statusLight(3), ZKStatusLight::Red);
    EXPECT_EQ(file->statusLight(4), ZKStatusLight::Red);
    // No interim name at the index: the light of the new name.
    EXPECT_EQ(file->statusLight(5), ZKStatusLight::Red);
    EXPECT_EQ(file->statusLight(-1), ZKStatusLight::Red);

    auto first = computed(QStringLiteral("a.txt"), {QStringLiteral("A.txt")});
    EXPECT_EQ(first->statusLight(0), ZKStatusLight::Green);
}

TEST(ZKFileRepresentationStatusTest, InterimLightOfAnUnusableNameIsRed) {
    auto file = ZKFileRepresentation::fileRepresentationWithNativePath("/nowhere/x\xff", nullptr);
    file->setIntermediateName(QStringLiteral("y"));
    file->setRenameName(file->intermediateName());
    EXPECT_EQ(file->statusLight(0), ZKStatusLight::Red);
    EXPECT_EQ(file->statusLight(), ZKStatusLight::Red);
}

TEST(ZKFileRepresentationStatusTest, ToolTipTexts) {
    EXPECT_EQ(record(QStringLiteral("a.txt"))->toolTip(), QStringLiteral("a.txt"));
    EXPECT_EQ(computed(QStringLiteral("a.txt"), {QStringLiteral("b.txt")})->toolTip(),
              QStringLiteral("a.txt -> b.txt"));
    EXPECT_EQ(computed(QStringLiteral("a.txt"), {QStringLiteral(".b")})->toolTip(),
              QStringLiteral("a.txt -> .b - Error: Resulting filename would make the file "
                             "invisible"));

    auto warned = computed(QStringLiteral("a.txt"), {QStringLiteral("b\tc/d")});
    warned->addWarning(QStringLiteral("resulting filename wouldn't be unique"));
    EXPECT_EQ(warned->toolTip(),
              QStringLiteral("a.txt -> b c:d"
                             " - Warning: Replaced slash with colon to make Unix happy"
                             " - Warning: Replaced tab with space"
                             " - Warning: resulting filename wouldn't be unique"));

    auto interim =
        computed(QStringLiteral("a.txt"), {QStringLiteral("b.txt"), QStringLiteral("c.txt")});
    EXPECT_EQ(interim->toolTip(0), QStringLiteral("a.txt -> c.txt (via b.txt)"));
    EXPECT_EQ(interim->toolTip(1), QStringLiteral("a.txt -> c.txt"));
    EXPECT_EQ(interim->toolTip(2), QStringLiteral("a.txt -> c.txt"));

    auto unnamed = computed(QStringLiteral("a.txt"), {QStringLiteral("b.txt"), QString()});
    EXPECT_EQ(unnamed->toolTip(0), QStringLiteral("a.txt (via b.txt)"));
}

TEST(ZKFileRepresentationStatusTest, ToolTipKeepsPercentSignsOfNames) {
    EXPECT_EQ(computed(QStringLiteral("%1.txt"), {QStringLiteral("%2.txt")})->toolTip(),
              QStringLiteral("%1.txt -> %2.txt"));
}

TEST(ZKFileRepresentationStatusTest, DescriptionTexts) {
    auto warned =
        computed(QStringLiteral("a.txt"), {QStringLiteral("b.txt"), QStringLiteral("c\t/")});
    warned->addWarning(QStringLiteral("Another"));
    EXPECT_EQ(warned->description(),
              QStringLiteral("Current filename: a.txt\nRename to: c :\nWarning: Replaced tab "
                             "with space, Replaced slash with colon to make Unix happy, "
                             "Another"));
    EXPECT_EQ(warned->description(0),
              QStringLiteral("Current filename: a.txt\nInterim filename: b.txt\nRename to: c :"
                             "\nWarning: Replaced tab with space, Replaced slash with colon to "
                             "make Unix happy, Another"));

    EXPECT_EQ(computed(QStringLiteral("a.txt"), {QStringLiteral("b.txt")})->description(),
              QStringLiteral("Current filename: a.txt\nRename to: b.txt"));
    EXPECT_EQ(computed(QStringLiteral("a.txt"), {QStringLiteral("a.txt")})->description(),
              QStringLiteral("Current filename: a.txt\nWill not be renamed"));
    EXPECT_EQ(computed(QStringLiteral("a.txt"), {QStringLiteral(".a")})->description(),
              QStringLiteral("Current filename: a.txt\nWill not be renamed\nError: Resulting "
                             "filename would make the file invisible"));
}
