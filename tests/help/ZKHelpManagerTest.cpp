#include <gtest/gtest.h>

#include <QFileInfo>

#include "common/UserDefaults.h"
#include "help/HelpText.h"
#include "help/ZKHelpManager.h"
#include "interaction/ZKSilentUserInteraction.h"
#include "support/TestEnvironment.h"

namespace {

// Records the alerts and answers them from a queue (the default button once it is empty).
class AlertRecorder : public ZKSilentUserInteraction {
public:
    QList<ZKAlertAnswer> answers;
    QList<ZKAlert> alerts;
    ZKAlertAnswer runAlert(const ZKAlert &alert) override {
        alerts.append(alert);
        return answers.isEmpty() ? ZKAlertAnswer() : answers.takeFirst();
    }
};

UserDefaults &defaults() { return UserDefaults::standardUserDefaults(); }

class HelpLinkTest : public testing::Test {
protected:
    HelpLinkTest() : manager(dir.path(), dir.path()) {
        manager.setUserInteraction(&user);
        defaults().registerDefaults({{QStringLiteral("Show Whitespace"), false}});
    }
    void follow(const QString &link) { manager.followHelpLink(QUrl(link)); }

    TestDir dir;
    ZKHelpManager manager;
    AlertRecorder user;
};

class RecordingDelegate : public ZKHelpManagerDelegate {
public:
    QStringList keys;
    QStringList messages;
    bool helpManagerDidReceiveMessage(ZKHelpManager &, const QString &message) override {
        messages.append(message);
        return true;
    }
    std::optional<QString> helpManagerDidSetOrRemoveUserDefault(ZKHelpManager &,
                                                                const QString &key) override {
        keys.append(key);
        return std::nullopt;
    }
};

}  // namespace

TEST(HelpTextTest, ContentBetweenPrefixAndSuffixIgnoresCase) {
    using HelpText::helpManagerContentBetweenPrefix;
    EXPECT_EQ(helpManagerContentBetweenPrefix("a://DEFAULT/Key#v", "://default/", "#"), "Key");
    EXPECT_EQ(helpManagerContentBetweenPrefix("abc", "", ""), "abc");
    EXPECT_EQ(helpManagerContentBetweenPrefix("abc", "b", ""), "c");
    EXPECT_EQ(helpManagerContentBetweenPrefix("abcb", "", "B"), "a");
    EXPECT_EQ(helpManagerContentBetweenPrefix("abc", "x", ""), std::nullopt);
    EXPECT_EQ(helpManagerContentBetweenPrefix("abc", "a", "x"), std::nullopt);
    // The suffix is looked for after the prefix only.
    EXPECT_EQ(helpManagerContentBetweenPrefix("#a#b", "a", "#"), "");
}

TEST(HelpTextTest, LinkValuesBecomeTypedDefaults) {
    using HelpText::userDefaultValueFromLinkText;
    EXPECT_EQ(userDefaultValueFromLinkText("YES"), QVariant(true));
    EXPECT_EQ(userDefaultValueFromLinkText("False"), QVariant(false));
    const QVariant integer = userDefaultValueFromLinkText("integer:20");
    EXPECT_EQ(integer.typeId(), QMetaType::LongLong);
    EXPECT_EQ(integer.toLongLong(), 20);
    const QVariant real = userDefaultValueFromLinkText("double:1.5");
    EXPECT_EQ(real.typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(real.toDouble(), 1.5);
    EXPECT_EQ(userDefaultValueFromLinkText("hello"), QVariant("hello"));
    EXPECT_FALSE(userDefaultValueFromLinkText("").isValid());
    EXPECT_EQ(HelpText::helpManagerDescriptionOrValue({}), "(No Value)");
    EXPECT_EQ(HelpText::helpManagerDescriptionOrValue(true), "Yes");
    EXPECT_EQ(HelpText::helpManagerDescriptionOrValue(QVariant::fromValue<qint64>(3)), "3");
}

TEST_F(HelpLinkTest, SettingADefaultOffersToRevertToTheOldValue) {
    RecordingDelegate delegate;
    manager.setDelegate(&delegate);
    user.answers = {{1, false}};  // "Revert to No"
    follow("x-quorlix-help://default/Show%20Whitespace#yes");

    ASSERT_EQ(user.alerts.size(), 1);
    EXPECT_EQ(user.alerts[0].messageText, "User default updated");
    EXPECT_EQ(user.alerts[0].informativeText, "Show Whitespace is now set to Yes.");
    EXPECT_EQ(user.alerts[0].buttons, QStringList({"OK", "Revert to No"}));
    // Reverted: the stored value is gone and the registered one shows again.
    EXPECT_FALSE(defaults().hasPersistentValueForKey("Show Whitespace"));
    EXPECT_EQ(delegate.keys, QStringList({"Show Whitespace", "Show Whitespace"}));
}

TEST_F(HelpLinkTest, ALinkThatChangesNothingSaysSo) {
    defaults().setBool(true, "Show Whitespace");
    follow("x-quorlix-help://default/Show%20Whitespace#yes");
    ASSERT_EQ(user.alerts.size(), 1);
    EXPECT_EQ(user.alerts[0].messageText, "That didn't do anything");
    EXPECT_EQ(user.alerts[0].informativeText, "Show Whitespace was already set to Yes.");

    follow("x-quorlix-help://default/Never%20Set");
    ASSERT_EQ(user.alerts.size(), 2);
    EXPECT_EQ(user.alerts[1].informativeText, "Never Set was already set to (No Value).");
}

TEST_F(HelpLinkTest, TypedValuesAreStoredAndRemovalRevertsToNoValue) {
    follow("x-quorlix-help://default/Count#integer:20");
    follow("x-quorlix-help://default/Ratio#double:1.5");
    follow("x-quorlix-help://default/Greeting#hello");
    EXPECT_EQ(defaults().objectForKey("Count"), QVariant::fromValue<qint64>(20));
    EXPECT_EQ(defaults().objectForKey("Ratio"), QVariant(1.5));
    EXPECT_EQ(defaults().objectForKey("Greeting"), QVariant("hello"));
    EXPECT_EQ(user.alerts[2].buttons.last(), "Revert to (No Value)");

    user.answers = {{1, false}};
    follow("x-quorlix-help://default/Greeting");  // removes it, then the user reverts
    EXPECT_EQ(user.alerts.last().informativeText, "Greeting is now set to (No Value).");
    EXPECT_EQ(defaults().objectForKey("Greeting"), QVariant("hello"));
}

TEST_F(HelpLinkTest, MessagesGoToTheDelegateAndUnreadableKeysDoNothing) {
    RecordingDelegate delegate;
    manager.setDelegate(&delegate);
    follow("x-quorlix-help://message/showPreferences");
    follow("x-quorlix-help://default/#yes");
    EXPECT_EQ(delegate.messages, QStringList({"showPreferences"}));
    EXPECT_TRUE(user.alerts.isEmpty());
    EXPECT_TRUE(ZKHelpManager::isHelpLink(QUrl("X-Quorlix-Help://default/a")));
    EXPECT_FALSE(ZKHelpManager::isHelpLink(QUrl("https://example.org")));
}

TEST(HelpPagesTest, LanguageFoldersFollowTheUsersLanguagesThenEnglish) {
    EXPECT_EQ(ZKHelpManager::languageFolderNamesFor({"pt-BR", "de"}),
              QStringList({"pt_BR", "pt", "de", "en"}));
    EXPECT_EQ(ZKHelpManager::languageFolderNamesFor({"en-US"}), QStringList({"en_US", "en"}));
}

TEST(HelpPagesTest, TheUsersOverrideFolderReplacesTheInstalledPages) {
    TestDir resources, support;
    resources.makeFile("help/en/index.html");
    resources.makeFile("help/en/guide/steps.html");
    resources.makeFile("help/en/images/shot.png");
    resources.makeFile("help/en/.hidden.html");
    resources.makeFile("help/en/Old.bundle/inside.html");
    ZKHelpManager installed(resources.path(), support.path());
    EXPECT_EQ(installed.pageURLsByRelativePath().keys(),
              QStringList({"guide/steps.html", "index.html"}));
    EXPECT_EQ(installed.pageURL("index.html"),
              QUrl::fromLocalFile(resources.filePath("help/en/index.html")));

    // A plain "help" folder in the application support folder wins over the installed one.
    support.makeFile("help/mine.html");
    ZKHelpManager overridden(resources.path(), support.path());
    EXPECT_EQ(overridden.pageURLsByRelativePath().keys(), QStringList({"mine.html"}));

    // A language folder there wins over the plain one.
    support.makeFile("help/en/localized.html");
    ZKHelpManager localized(resources.path(), support.path());
    EXPECT_EQ(localized.pageURLsByRelativePath().keys(), QStringList({"localized.html"}));
    EXPECT_EQ(localized.helpFolderPath(),
              QFileInfo(support.filePath("help/en")).canonicalFilePath());

    // A missing help folder leaves nothing to show.
    TestDir empty;
    ZKHelpManager none(empty.filePath("missing"), empty.path());
    EXPECT_TRUE(none.pageURLsByRelativePath().isEmpty());
    EXPECT_EQ(ZKHelpManager::localizedPathToDirectory("", resources.path()), std::nullopt);
}
