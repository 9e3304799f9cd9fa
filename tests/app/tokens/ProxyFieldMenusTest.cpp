#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QWidgetAction>

#include "ProxyFieldFixture.h"
#include "app/steps/Eventually.h"
#include "app/tokens/ZKLazySequenceProxyField.h"
#include "app/tokens/ZKProxyMenu.h"
#include "engine/LazinessIndicator.h"

// The token menu, the settings menu of a token and the laziness indicator, through the
// widgets the user works with.
class ProxyFieldMenusTest : public ProxyFieldFixture {
protected:
    void TearDown() override {
        ZKProxyMenu::sharedMenu()->hide();
        ProxyFieldFixture::TearDown();
    }

    static QStringList titles(const QMenu *menu) {
        QStringList result;
        for (QAction *action : menu->actions()) {
            if (qobject_cast<QWidgetAction *>(action)) continue;
            result.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return result;
    }
    // The item with the title, in the menu or its submenus.
    static QAction *item(const QMenu *menu, const QString &title) {
        for (QAction *action : menu->actions()) {
            if (action->text() == title) return action;
            if (action->menu()) {
                if (QAction *found = item(action->menu(), title)) return found;
            }
        }
        return nullptr;
    }
    static QAction *itemTagged(const QMenu *menu, qint64 tag) {
        for (QAction *action : menu->actions()) {
            if (action->isCheckable() && action->data().toLongLong() == tag) return action;
        }
        return nullptr;
    }
    static QStringList headings(const QMenu *menu) {
        QStringList result;
        for (QLabel *label : menu->findChildren<QLabel *>("proxyConfigurationHeading"))
            result.append(label->text());
        return result;
    }
};

TEST_F(ProxyFieldMenusTest, TheTokenMenuFiltersAsTheUserTypes) {
    ZKProxyMenu *menu = ZKProxyMenu::sharedMenu();
    ASSERT_TRUE(first->popUpMenu());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(first->showsProxyMenu());
    EXPECT_EQ(menu->title(), "Proxies");
    QLineEdit *filter = menu->filterField();
    EXPECT_EQ(filter->placeholderText(), "Start typing...");
    EXPECT_EVENTUALLY_TRUE(filter->hasFocus(), 5000);
    EXPECT_TRUE(titles(menu).contains("Name")) << "the full menu: " << titles(menu).join("|");
    EXPECT_FALSE(titles(menu).contains("Keep typing..."));

    QTest::keyClicks(filter, "t");
    EXPECT_EQ(titles(menu).mid(0, 2), QStringList({"Keep typing...", "-"}));
    EXPECT_FALSE(item(menu, "Keep typing...")->isEnabled());
    EXPECT_TRUE(titles(menu).contains("Miscellany")) << "above the full menu";

    QTest::keyClicks(filter, "ime");
    const QStringList found = titles(menu);
    EXPECT_TRUE(found.contains("Current Date")) << found.join("|");
    EXPECT_TRUE(found.contains("File Creation Date"));
    EXPECT_TRUE(found.contains("Due Date"));
    EXPECT_FALSE(found.contains("-")) << "flat";
    EXPECT_FALSE(found.contains("Name"));

    // Down leaves the filter for the first item; choosing it inserts its token.
    QTest::keyClick(filter, Qt::Key_Down);
    ASSERT_TRUE(menu->activeAction());
    EXPECT_EQ(menu->activeAction()->text(), found.first());
    const QString type = menu->activeAction()->data().toString();
    menu->activeAction()->trigger();
    menu->hide();
    EXPECT_FALSE(first->showsProxyMenu());
    EXPECT_EQ(first->list(), QVariantList({QVariantMap{{"Proxy", type}}}));
    EXPECT_EQ(announced(), QList<bool>({true})) << "a chosen token takes effect at once";

    // Every opening starts in full, for the field that asked.
    ASSERT_TRUE(second->popUpMenu());
    EXPECT_TRUE(filter->text().isEmpty());
    EXPECT_EQ(menu->client(), second);
    EXPECT_TRUE(titles(menu).contains("Name"));
}

TEST_F(ProxyFieldMenusTest, ATokenGoesToTheCaretWhileEditingElseToTheEnd) {
    first->setList({"abcd"});
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    first->setFocus();
    ASSERT_TRUE(first->hasFocus());
    first->setSelection(1, 2);
    QTest::keyClick(first, Qt::Key_Plus, Qt::ControlModifier);
    ASSERT_TRUE(first->showsProxyMenu()) << "Ctrl+\"+\" opens the token menu";
    QAction *name = item(ZKProxyMenu::sharedMenu(), "Name of Parent Folder");
    ASSERT_TRUE(name) << "in the \"Name\" submenu";
    name->trigger();
    ZKProxyMenu::sharedMenu()->hide();
    const QVariantMap parent{{"Proxy", "parent folder: name"}};
    EXPECT_EQ(first->list(), QVariantList({"a", parent, "d"})) << describe(first->list());
    EXPECT_EQ(first->cursorPosition(), 2);

    second->setList({"xy"});
    second->setCursorPosition(1);
    ASSERT_FALSE(second->hasFocus());
    second->insertProxy("current date");
    EXPECT_EQ(second->list(), QVariantList({"xy", QVariantMap{{"Proxy", "current date"}}}))
        << "a field not being edited has no insertion point";
}

TEST_F(ProxyFieldMenusTest, TheSettingsMenuChangesTheTokenInPlace) {
    const QVariantMap date{{"Proxy", "current date"}, {"Date Format", qint64(2)}};
    first->setList({"a", date, "b"});
    first->setSelection(0, 3);
    QMenu *menu = first->configurationMenuForRepresentedObject(1);
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->title(), "Proxy Configuration");
    EXPECT_EQ(headings(menu), QStringList({"Date Format:", "Time Format:"}));
    ASSERT_TRUE(itemTagged(menu, 2));
    EXPECT_TRUE(itemTagged(menu, 2)->isChecked());
    EXPECT_FALSE(itemTagged(menu, 100)->isChecked());
    EXPECT_EQ(itemTagged(menu, 0)->text(), "Omit Date");

    itemTagged(menu, 100)->trigger();
    EXPECT_EQ(first->list(), QVariantList({"a", QVariantMap{{"Proxy", "current date"}}, "b"}))
        << "the default is not stored: " << describe(first->list());
    EXPECT_EQ(first->selectionRange().length, 3) << "the selection stays";
    EXPECT_EQ(announced(), QList<bool>({true}));
    delete menu;

    EXPECT_FALSE(first->configurationMenuForRepresentedObject(0)) << "text has no menu";
    first->setList({QVariantMap{{"Proxy", "name: intermediate: name"}}});
    EXPECT_FALSE(first->configurationMenuForRepresentedObject(0)) << "nothing to set";
}

TEST_F(ProxyFieldMenusTest, ClickingAChipOpensItsMenuAndAncestorsRenameTheChip) {
    const QVariantMap parent{{"Proxy", "parent folder: name"}};
    first->setList({parent});
    const QRect chip = first->cursorRect(QTextCursor(first->document()));
    QTest::mouseClick(first->viewport(), Qt::LeftButton, {}, chip.center() + QPoint(20, 0));
    QMenu *menu = first->shownConfigurationMenu();
    ASSERT_TRUE(menu) << "a click on a chip with settings";
    EXPECT_EQ(headings(menu), QStringList({"Ancestor Level:"}));
    EXPECT_EQ(itemTagged(menu, 1)->text(), "1 (Parent)");
    const int widthBefore = first->document()->idealWidth();
    itemTagged(menu, 2)->trigger();
    menu->hide();
    EXPECT_EQ(first->list(),
              QVariantList({QVariantMap{{"Proxy", "parent folder: name"}, {"Ancestor Level", 2}}}));
    EXPECT_GT(first->document()->idealWidth(), widthBefore) << "\"Name of Ancestor Folder\"";

    // A right click on the chip, and from the keyboard the token before the caret; text
    // before the caret has no settings.
    first->shownConfigurationMenu()->close();
    QApplication::processEvents();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, chip.center() + QPoint(20, 0),
                                 first->viewport()->mapToGlobal(chip.center()));
    QApplication::sendEvent(first->viewport(), &rightClick);
    ASSERT_TRUE(first->shownConfigurationMenu());
    first->setList({parent, "a"});
    first->setCursorPosition(1);
    QContextMenuEvent keyboard(QContextMenuEvent::Keyboard, QPoint(1, 1),
                               first->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(first->viewport(), &keyboard);
    ASSERT_TRUE(first->shownConfigurationMenu());
    EXPECT_EQ(headings(first->shownConfigurationMenu()), QStringList({"Ancestor Level:"}));
    first->shownConfigurationMenu()->close();
    QApplication::processEvents();
    first->setCursorPosition(2);
    QApplication::sendEvent(first->viewport(), &keyboard);
    EXPECT_FALSE(first->shownConfigurationMenu()) << "the standard menu instead";
    if (QWidget *popup = QApplication::activePopupWidget()) popup->close();
}

TEST_F(ProxyFieldMenusTest, AFieldWithALazinessIndicatorGetsNoSecond) {
    ZKLazySequenceProxyField lazy;
    lazy.setList({"ab"});
    QSignalSpy lazyEdits(&lazy, &ZKProxyField::textDidChange);
    QAction *action = lazy.insertLazinessIndicatorAction();
    EXPECT_TRUE(action->isEnabled());
    lazy.setCursorPosition(1);
    action->trigger();
    EXPECT_EQ(lazy.list(), QVariantList({"a" + LazinessIndicator::kIndicator + "b"}));
    ASSERT_EQ(lazyEdits.size(), 1);
    EXPECT_TRUE(lazyEdits.first().at(0).toBool()) << "at once";
    EXPECT_FALSE(action->isEnabled());

    const QVariantList bed{QVariantMap{{"Proxy", "parent folder: name"}},
                           "x" + LazinessIndicator::kBed};
    lazy.setList(bed);
    EXPECT_FALSE(action->isEnabled()) << "the bed counts as well";
    lazy.insertLazinessIndicator();
    EXPECT_EQ(lazy.list(), bed);

    lazy.setList({QVariantMap{{"Proxy", "kMDItemTitle"}}});
    EXPECT_TRUE(action->isEnabled()) << "only text holds an indicator";
}
