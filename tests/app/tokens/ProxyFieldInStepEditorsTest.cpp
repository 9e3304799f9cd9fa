#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTest>

#include "app/steps/Eventually.h"
#include "app/steps/SequenceEditorFixture.h"
#include "app/tokens/ZKLazySequenceProxyField.h"
#include "app/tokens/ZKProxyMenu.h"

// Token fields in the step editors: a token chosen from the menu reaches the step and the
// names at once, typing still waits.
class ProxyFieldInStepEditorsTest : public SequenceEditorFixture {
protected:
    void TearDown() override {
        ZKProxyMenu::sharedMenu()->hide();
        SequenceEditorFixture::TearDown();
    }
    static QAction *menuItem(const QString &title) {
        for (QAction *action : ZKProxyMenu::sharedMenu()->actions()) {
            if (action->text() == title) return action;
        }
        return nullptr;
    }
    QString folderName() const { return QDir(dir.path()).dirName(); }
};

TEST_F(ProxyFieldInStepEditorsTest, ATokenFromTheMenuReachesTheStepAndTheNamesAtOnce) {
    ZKSequenceEditor *editor = useSequence({{"Rename: Insert: String", QVariantList{"-"}}});
    ASSERT_TRUE(editor);
    ZKProxyField *prefix = tokenField(0, RenamerSetting::InsertString);
    ASSERT_TRUE(prefix);
    EXPECT_EQ(newName("alpha.txt"), "-1.txt");
    area->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(area.get()));
    prefix->setFocus();
    ASSERT_TRUE(prefix->hasFocus());
    prefix->setCursorPosition(0);

    const int before = computations();
    ASSERT_TRUE(prefix->popUpMenu());
    QTest::keyClicks(ZKProxyMenu::sharedMenu()->filterField(), "parent");
    QAction *name = menuItem("Name of Parent Folder");
    ASSERT_TRUE(name);
    name->trigger();
    ZKProxyMenu::sharedMenu()->hide();

    const QVariantMap parent{{"Proxy", "parent folder: name"}};
    EXPECT_EQ(step().tokenListValue(RenamerSetting::InsertString), QVariantList({parent, "-"}));
    EXPECT_EQ(computations(), before + 1) << "without the typing delay";
    EXPECT_FALSE(controller->isRenamePathsUpdatePending());
    EXPECT_EQ(newName("alpha.txt"), folderName() + "-1.txt");
    EXPECT_TRUE(editor->summary().contains("<Name of Parent Folder>-")) << editor->summary();

    // Typing next to the token still waits for the delay.
    prefix->end(false);
    QTest::keyClicks(prefix, "x");
    EXPECT_TRUE(controller->isRenamePathsUpdatePending());
    EXPECT_EVENTUALLY_EQ(newName("alpha.txt"), folderName() + "-x1.txt", 3000);
}

TEST_F(ProxyFieldInStepEditorsTest, ChangingATokensSettingRecomputesAtOnce) {
    const QVariantMap random{
        {"Proxy", "random characters"}, {"Exclude A-Z", true}, {"Exclude a-z", true}};
    ZKSequenceEditor *editor = useSequence({{"Rename: Sequence: Suffix", QVariantList{random}}});
    ASSERT_TRUE(editor);
    ZKProxyField *suffix = tokenField(0, RenamerSetting::SequenceSuffix);
    ASSERT_TRUE(suffix);
    const QString name = newName("alpha.txt");
    ASSERT_EQ(name.size(), QString("1x.txt").size()) << name;
    EXPECT_TRUE(name.at(1).isDigit()) << name;

    const int before = computations();
    std::unique_ptr<QMenu> menu(suffix->configurationMenuForRepresentedObject(0));
    ASSERT_TRUE(menu);
    QAction *five = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->isCheckable() && action->text() == "5") five = action;
    }
    ASSERT_TRUE(five);
    five->trigger();
    QVariantMap expected = random;
    expected.insert("Number Of Characters", qint64(5));
    EXPECT_EQ(step().tokenListValue(RenamerSetting::SequenceSuffix), QVariantList({expected}));
    EXPECT_EQ(computations(), before + 1);
    EXPECT_EQ(newName("alpha.txt").size(), QString("1xxxxx.txt").size()) << newName("alpha.txt");
}

TEST_F(ProxyFieldInStepEditorsTest, TheIdentifierIsALazyTokenField) {
    ZKSequenceEditor *editor =
        useSequence({{"Rename: Sequence: Identifier",
                      QVariantList{QVariantMap{{"Proxy", "parent folder: name"}}}}});
    ASSERT_TRUE(editor);
    auto *identifier =
        qobject_cast<ZKLazySequenceProxyField *>(tokenField(0, RenamerSetting::SequenceIdentifier));
    ASSERT_TRUE(identifier);
    EXPECT_EQ(editor->identifierField(), identifier);
    EXPECT_EQ(editor->insertLazinessIndicatorAction(), identifier->insertLazinessIndicatorAction());
    EXPECT_EQ(identifier->list(), step().tokenListValue(RenamerSetting::SequenceIdentifier));
}
