#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <optional>

class ZKHelpManager;
class ZKUserInteraction;

// What the help manager tells the application when a help link acts.
class ZKHelpManagerDelegate {
public:
    virtual ~ZKHelpManagerDelegate() = default;
    // A "message" link; answers whether the delegate took it (the default does not).
    virtual bool helpManagerDidReceiveMessage(ZKHelpManager &manager, const QString &message) {
        return false;
    }
    // A help link changed (or reverted) a user default. A text replaces the standard
    // "User default updated" explanation; none keeps it.
    virtual std::optional<QString> helpManagerDidSetOrRemoveUserDefault(ZKHelpManager &manager,
                                                                        const QString &key) {
        return std::nullopt;
    }
};

// Finds the help pages and follows the help links inside them.
//
// Pages are the ".html" files below the help folder, keyed by their path relative to it.
// The help folder is the user's override in the application support folder
// ($XDG_DATA_HOME/Torvane/help/<language>, else $XDG_DATA_HOME/Torvane/help) or, without one,
// the localized folder among the installed resources (share/torvane/help/<language>; the
// source tree's resources when the program runs from its build folder). Language folders are
// tried in the order of the user's languages ("pt_BR", then "pt"), then "en".
class ZKHelpManager {
    Q_DECLARE_TR_FUNCTIONS(ZKHelpManager)

public:
    static inline const QString kHelpLinkScheme = QStringLiteral("x-quorlix-help");
    // The application's information values: its name and the help folder's name.
    static inline const QString kBundleName = QStringLiteral("Torvane");
    static inline const QString kHelpBookFolder = QStringLiteral("help");

    // The process-wide manager over the installed (or source-tree) resources.
    static ZKHelpManager &helpManager();

    // resourcesDirectory holds the installed help folder; overrideDirectory is where the
    // user's own help folder may be (the application support folder when empty).
    explicit ZKHelpManager(const QString &resourcesDirectory,
                           const QString &overrideDirectory = QString());

    // The folder that holds the installed help: share/torvane beside the program's bin
    // folder, else the source tree's resources.
    static QString defaultResourcesDirectory();

    // The pages by relative path; built on first use and kept. Empty without a help folder.
    QMap<QString, QUrl> pageURLsByRelativePath();
    // The help folder in use ("" without one), with symbolic links resolved.
    QString helpFolderPath();
    // A page's location by relative path ("index.html"); empty when there is no such page.
    QUrl pageURL(const QString &relativePath);

    // The localized copy of folderName inside directory: directory/folderName/<language> for
    // the first of languageFolderNames() that exists as a folder; none otherwise, and none for
    // an empty name or a directory that is missing or no folder.
    static std::optional<QString> localizedPathToDirectory(const QString &folderName,
                                                           const QString &directory);
    // The language folder names for the user's languages, decided once per process.
    static QStringList languageFolderNames();
    // The same for a given list of languages ("de-DE", "pt-BR", "en-US").
    static QStringList languageFolderNamesFor(const QStringList &uiLanguages);

    void setDelegate(ZKHelpManagerDelegate *delegate) { delegate_ = delegate; }
    // Where the link alerts are shown; without one, links that change defaults do nothing.
    void setUserInteraction(ZKUserInteraction *interaction) { interaction_ = interaction; }

    static bool isHelpLink(const QUrl &url);
    // Follows a help link: a message goes to the delegate; a default link sets or removes the
    // default after telling the user, with a revert button. Help links are never loaded.
    void followHelpLink(const QUrl &url);

private:
    QString locateHelpFolder() const;
    void collectPages(const QString &folder);
    void followDefaultLink(const QString &link);

    const QString resourcesDirectory_;
    const QString overrideDirectory_;
    QMutex mutex_;  // guards the page map
    bool pagesCollected_ = false;
    QString helpFolder_;
    QMap<QString, QUrl> pages_;
    ZKHelpManagerDelegate *delegate_ = nullptr;
    ZKUserInteraction *interaction_ = nullptr;
};
