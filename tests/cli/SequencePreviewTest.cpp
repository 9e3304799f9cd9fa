#include <gtest/gtest.h>

#include "cli/CliTestSupport.h"
#include "engine/LazinessIndicator.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"
#include "tokens/TokenList.h"

namespace {

const QString kParentFolderToken = QStringLiteral("parent folder: name");

QVariantMap sequenceStep(QVariantMap settings) {
    settings.insert("Task", 110);
    return settings;
}

class SequencePreviewTest : public testing::Test {
protected:
    QStringList newNames(const QStringList &arguments) {
        const CliRun run = runCliInProcess(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.newNames();
    }

    // New names by the item's path relative to the test folder.
    QHash<QString, QString> previewByPath(const QVariantMap &step, const QString &path) {
        const CliRun run = runCliInProcess(
            {"preview", "--json", "--steps", writeStepsFile(dir.path(), {step}), path});
        EXPECT_EQ(run.status, 0) << run.err;
        QHash<QString, QString> names;
        for (const QJsonObject &line : run.jsonLines())
            names.insert(line["path"].toString().mid(dir.path().size() + 1),
                         line["newName"].toString());
        return names;
    }

    QStringList preview(const QVariantMap &step, const QString &path) {
        return newNames({"preview", "--json", "--steps", writeStepsFile(dir.path(), {step}), path});
    }

    TestDir dir;
};

TEST_F(SequencePreviewTest, NumbersAndLettersInListOrder) {
    for (int index = 1; index <= 10; ++index)
        dir.makeFile(QStringLiteral("shoot/img%1.jpg").arg(index));
    const QString shoot = dir.filePath("shoot");
    const QStringList numbers =
        preview(sequenceStep({{"Rename: Insert: String", QVariantList{"Photo "}}}), shoot);
    ASSERT_EQ(numbers.size(), 10);
    EXPECT_EQ(numbers.first(), "Photo 01.jpg");
    EXPECT_EQ(numbers.at(8), "Photo 09.jpg");
    EXPECT_EQ(numbers.last(), "Photo 10.jpg");

    const QStringList letters = preview(
        sequenceStep({{"Rename: Sequence: Type", 100}, {"Rename: Sequence: First Number", 25}}),
        shoot);
    EXPECT_EQ(letters.mid(0, 4), QStringList({"Y.jpg", "Z.jpg", "AA.jpg", "AB.jpg"}));

    const QStringList down =
        preview(sequenceStep({{"Rename: Sequence: First Number", -3},
                              {"Rename: Sequence: Minimum Number of Digits", 3},
                              {"Rename: Sequence: Preserve Extension", false}}),
                shoot);
    EXPECT_EQ(down.mid(0, 5), QStringList({"-03", "-02", "-01", "000", "001"}));
}

TEST_F(SequencePreviewTest, TermsFromAReflectedFile) {
    dir.makeFile("f/a.txt");
    dir.makeFile("f/b.txt");
    dir.makeFile("f/c.txt");
    const QString terms = dir.makeFile("terms.csv", QByteArray("\xFF\xFE"
                                                               "x\0,\0y\0",
                                                               8));
    const QVariantMap step = sequenceStep({{"Rename: Sequence: Type", 1000},
                                           {"Rename: Sequence: Terms", "typed"},
                                           {"Rename: Sequence: Terms (Reflected Path)", terms}});
    EXPECT_EQ(preview(step, dir.filePath("f")), QStringList({"x.txt", "y.txt", "x.txt"}));
    QFile::remove(terms);
    EXPECT_EQ(preview(step, dir.filePath("f")),
              QStringList({"typed.txt", "typed.txt", "typed.txt"}));
}

TEST_F(SequencePreviewTest, LazyGroupOfOneFileKeepsOnlyThePrefix) {
    dir.makeFile("one/a.jpg");
    const QVariantMap step = sequenceStep(
        {{"Rename: Insert: String", QVariantList{"Photo "}},
         {"Rename: Sequence: Identifier", QVariantList{LazinessIndicator::kIndicator}}});
    EXPECT_EQ(preview(step, dir.filePath("one")), QStringList({"Photo.jpg"}));
    dir.makeFile("one/b.jpg");
    EXPECT_EQ(preview(step, dir.filePath("one")), QStringList({"Photo 1.jpg", "Photo 2.jpg"}));
}

TEST_F(SequencePreviewTest, GroupsPerParentFolder) {
    dir.makeFile("shoot/a/1.jpg");
    dir.makeFile("shoot/a/2.jpg");
    for (int index = 1; index <= 10; ++index)
        dir.makeFile(QStringLiteral("shoot/b/%1.jpg").arg(index));
    dir.makeFile("shoot/c/only.jpg");
    const QVariantList parent{TokenList::dictionaryByWrappingProxyValue(kParentFolderToken)};
    QVariantList lazyParent = parent;
    lazyParent.append(LazinessIndicator::kIndicator);
    const QHash<QString, QString> names =
        previewByPath(sequenceStep({{"Rename: Insert: String", QVariantList{"Photo "}},
                                    {"Rename: Sequence: Identifier", lazyParent}}),
                      dir.filePath("shoot"));
    ASSERT_EQ(names.size(), 13);
    // Each folder counts from the first number with its own digits; the lonely file gets
    // only the prefix.
    EXPECT_EQ(names["shoot/a/1.jpg"], "Photo 1.jpg");
    EXPECT_EQ(names["shoot/a/2.jpg"], "Photo 2.jpg");
    EXPECT_EQ(names["shoot/b/1.jpg"], "Photo 01.jpg");
    EXPECT_EQ(names["shoot/b/10.jpg"], "Photo 10.jpg");
    EXPECT_EQ(names["shoot/c/only.jpg"], "Photo.jpg");

    // Letters per folder, with the folder's name in front; without laziness the lonely file
    // is lettered too.
    const QHash<QString, QString> letters =
        previewByPath(sequenceStep({{"Rename: Sequence: Type", 101},
                                    {"Rename: Insert: String", QVariantList{parent.first(), "-"}},
                                    {"Rename: Sequence: Identifier", parent}}),
                      dir.filePath("shoot"));
    EXPECT_EQ(letters["shoot/a/1.jpg"], "a-a.jpg");
    EXPECT_EQ(letters["shoot/a/2.jpg"], "a-b.jpg");
    EXPECT_EQ(letters["shoot/b/10.jpg"], "b-j.jpg");
    EXPECT_EQ(letters["shoot/c/only.jpg"], "c-a.jpg");
}

}  // namespace
