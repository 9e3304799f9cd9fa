#include <QFile>

#include "RenamingControllerFixture.h"
#include "engine/LazinessIndicator.h"
#include "engine/RenamerSettings.h"

using namespace RenamerKeys;

class SequenceComputationTest : public RenamingControllerFixture {
protected:
    static ZKRenamerPtr sequence(QVariantMap settings) {
        settings.insert(kTask, qint64(SequenceOperation));
        return ZKRenamer::renamerWithArchive(settings);
    }

    QStringList newNames() const {
        QStringList names;
        for (const ZKFileRepresentationPtr &record : controller->fileRepresentations())
            names.append(record->renameName());
        return names;
    }
};

TEST_F(SequenceComputationTest, NumbersAndLettersInListOrder) {
    QStringList files;
    for (int index = 0; index < 10; ++index) files.append(QStringLiteral("IMG_%1.JPG").arg(index));
    listFiles(files);
    useSteps({sequence({{kInsertString, QVariantList{"Trip "}}})});
    EXPECT_EQ(newNames().first(), "Trip 01.JPG");
    EXPECT_EQ(newNames().last(), "Trip 10.JPG");
    // Each record went through the step once in the pass that counts.
    EXPECT_EQ(record("IMG_0.JPG")->intermediateNames().size(), 1);

    useSteps({sequence(
        {{kSequenceType, qint64(LowercaseLetterSequence)}, {kSequenceFirstNumber, qint64(25)}})});
    EXPECT_EQ(newNames().mid(0, 3), QStringList({"y.JPG", "z.JPG", "aa.JPG"}));
}

TEST_F(SequenceComputationTest, SecondPassGivesLazyGroupsTheirTotals) {
    listFiles({"only.jpg"});
    const QVariantMap lazy{{kInsertString, QVariantList{"Photo "}},
                           {kSequenceIdentifier, QVariantList{LazinessIndicator::kIndicator}}};
    useSteps({sequence(lazy)});
    EXPECT_EQ(newNames(), QStringList({"Photo.jpg"}));

    dir.makeFile("second.jpg");
    ASSERT_TRUE(controller->populateWithPaths({dir.path()}, false, false));
    EXPECT_EQ(newNames(), QStringList({"Photo 1.jpg", "Photo 2.jpg"}));
    // The working state is gone after the computation: the next one starts afresh.
    controller->updateRenameNames();
    EXPECT_EQ(newNames(), QStringList({"Photo 1.jpg", "Photo 2.jpg"}));
}

TEST_F(SequenceComputationTest, ReflectedTermsFileIsReadByEveryComputation) {
    TestDir termsDir;
    const QString terms = termsDir.makeFile("terms.txt", "red\r\ngreen\r\n");
    listFiles({"a.png", "b.png", "c.png"});
    useSteps({sequence(
        {{kSequenceType, qint64(TermSequence)}, {kSequenceTerms + kReflectedPathSuffix, terms}})});
    EXPECT_EQ(newNames(), QStringList({"red.png", "green.png", "red.png"}));

    QFile file(terms);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("blue");
    file.close();
    controller->updateRenameNames();
    EXPECT_EQ(newNames(), QStringList({"blue.png", "blue.png", "blue.png"}));
}
