#include "droplets/FileManagerActions.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <optional>

#include "common/Log.h"
#include "droplets/DesktopEntry.h"
#include "droplets/DropletKeys.h"

namespace FileManagerActions {

namespace {

const QString kIcon = QStringLiteral("com.quorlix.Torvane");
const QString kDescription = QStringLiteral("Rename with Torvane");

QString xdgFolder(const char *variable, const char *fallback) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return QDir::cleanPath(value);
    return QDir::homePath() + QLatin1Char('/') + QLatin1String(fallback);
}

QString dataFolder() { return xdgFolder("XDG_DATA_HOME", ".local/share"); }

bool writeText(const QString &path, const QString &text, bool executable, QString *error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const QByteArray data = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeGroup |
                            QFile::ExeOther);
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

// The fixed head of every command: the provider, the service folder and the end of options,
// so a selected name that starts with "-" is never taken for one.
QString execCommand(const QString &provider, const QString &folder) {
    using DesktopEntry::quoteExecArgument;
    return quoteExecArgument(provider) + QLatin1Char(' ') +
           QLatin1String(DropletKeys::kServiceOption) + QLatin1Char(' ') +
           quoteExecArgument(folder) + QStringLiteral(" -- %F");
}

// Nemo, Thunar and FileManager-Actions quote the selected paths themselves and split the
// command with GLib's shell parser; "%" is theirs, so ours are doubled.
QString shellCommand(const QString &provider, const QString &folder) {
    const auto shellQuote = [](QString word) {
        return DesktopEntry::shellQuote(word.replace(u'%', QStringLiteral("%%")));
    };
    return shellQuote(provider) + QLatin1Char(' ') + QLatin1String(DropletKeys::kServiceOption) +
           QLatin1Char(' ') + shellQuote(folder) + QStringLiteral(" -- %F");
}

QString dolphinMenu(const QString &title, const QString &provider, const QString &folder) {
    using DesktopEntry::groupText;
    return groupText(
               QStringLiteral("Desktop Entry"),
               {{QStringLiteral("Type"), QStringLiteral("Service")},
                {QStringLiteral("MimeType"), QStringLiteral("all/all;")},
                {QStringLiteral("ServiceTypes"), QStringLiteral("KonqPopupMenu/Plugin")},
                {QStringLiteral("X-KDE-ServiceTypes"), QStringLiteral("KonqPopupMenu/Plugin")},
                {QStringLiteral("Actions"), QStringLiteral("torvaneService;")}}) +
           QLatin1Char('\n') +
           groupText(QStringLiteral("Desktop Action torvaneService"),
                     {{QStringLiteral("Name"), title},
                      {QStringLiteral("Icon"), kIcon},
                      {QStringLiteral("Exec"), execCommand(provider, folder)}});
}

QString nemoAction(const QString &title, const QString &provider, const QString &folder) {
    return DesktopEntry::groupText(QStringLiteral("Nemo Action"),
                                   {{QStringLiteral("Name"), title},
                                    {QStringLiteral("Comment"), kDescription},
                                    {QStringLiteral("Exec"), shellCommand(provider, folder)},
                                    {QStringLiteral("Icon-Name"), kIcon},
                                    {QStringLiteral("Selection"), QStringLiteral("notnone")},
                                    {QStringLiteral("Extensions"), QStringLiteral("any;")}});
}

QString fileManagerAction(const QString &title, const QString &provider, const QString &folder) {
    using DesktopEntry::groupText;
    return groupText(QStringLiteral("Desktop Entry"),
                     {{QStringLiteral("Type"), QStringLiteral("Action")},
                      {QStringLiteral("Name"), title},
                      {QStringLiteral("Tooltip"), kDescription},
                      {QStringLiteral("Icon"), kIcon},
                      {QStringLiteral("Profiles"), QStringLiteral("main;")}}) +
           QLatin1Char('\n') +
           groupText(QStringLiteral("X-Action-Profile main"),
                     {{QStringLiteral("Name"), title},
                      {QStringLiteral("MimeTypes"), QStringLiteral("all/all;")},
                      {QStringLiteral("Exec"), shellCommand(provider, folder)}});
}

QString scriptMarker(const QString &serviceFolder) {
    return QStringLiteral("# Torvane service: ") + identifierOf(serviceFolder);
}

// Nautilus passes the selected names as arguments, relative to the current folder.
QString nautilusScript(const QString &provider, const QString &folder) {
    using DesktopEntry::shellQuote;
    return QStringLiteral("#!/bin/sh\n") + scriptMarker(folder) + QStringLiteral("\nexec ") +
           shellQuote(provider) + QLatin1Char(' ') + QLatin1String(DropletKeys::kServiceOption) +
           QLatin1Char(' ') + shellQuote(folder) + QStringLiteral(" -- \"$@\"\n");
}

QString xmlEscaped(const QString &text) { return text.toHtmlEscaped(); }

QString thunarAction(const QString &id, const QString &title, const QString &provider,
                     const QString &folder) {
    QString xml = QStringLiteral("<action>\n");
    const QList<QPair<QString, QString>> fields{
        {QStringLiteral("icon"), kIcon},
        {QStringLiteral("name"), title},
        {QStringLiteral("submenu"), QString()},
        {QStringLiteral("unique-id"), id},
        {QStringLiteral("command"), shellCommand(provider, folder)},
        {QStringLiteral("description"), kDescription},
        {QStringLiteral("range"), QStringLiteral("*")},
        {QStringLiteral("patterns"), QStringLiteral("*")}};
    for (const auto &[element, value] : fields)
        xml += QStringLiteral("\t<%1>%2</%1>\n").arg(element, xmlEscaped(value));
    for (const char *kind :
         {"directories", "audio-files", "image-files", "other-files", "text-files", "video-files"})
        xml += QStringLiteral("\t<%1/>\n").arg(QLatin1String(kind));
    return xml + QStringLiteral("</action>\n");
}

// The user's uca.xml without our action of this id (the text of every other action kept as
// it is); nothing when the file exists but is not an action list we can edit safely.
std::optional<QString> thunarActionsWithout(const QString &path, const QString &id) {
    QFile file(path);
    if (!file.exists())
        return QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n</actions>\n");
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QString text = QString::fromUtf8(file.readAll());
    if (!text.contains(QStringLiteral("</actions>"))) return std::nullopt;
    static const QRegularExpression action(QStringLiteral("[ \\t]*<action>.*?</action>\\s*\\n?"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QString ours = QStringLiteral("<unique-id>%1</unique-id>").arg(xmlEscaped(id));
    for (auto match = action.globalMatch(text); match.hasNext();) {
        const auto found = match.next();
        if (found.captured().contains(ours)) {
            text.remove(found.capturedStart(), found.capturedLength());
            break;
        }
    }
    return text;
}

bool writeThunarAction(const QString &path, const QString &actionXml, const QString &id,
                       QString *error) {
    std::optional<QString> text = thunarActionsWithout(path, id);
    if (!text) {
        *error = QStringLiteral("cannot merge into %1: not an action list").arg(path);
        return false;
    }
    if (!actionXml.isEmpty())
        text->insert(text->lastIndexOf(QStringLiteral("</actions>")), actionXml);
    return writeText(path, *text, false, error);
}

QString nautilusScriptName(const QString &folder, const QString &title) {
    QString name = title;
    name.replace(u'/', u'-');
    if (name.isEmpty() || name.startsWith(u'.')) name.prepend(QStringLiteral("Torvane "));
    const QString path = locationsOf(folder).nautilusScriptsFolder + QLatin1Char('/') + name;
    // Never overwrite a script of the user's own.
    if (QFileInfo::exists(path) && nautilusScriptOf(folder) != path)
        return name + QStringLiteral(" (Torvane)");
    return name;
}

}  // namespace

QString identifierOf(const QString &serviceFolder) {
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(serviceFolder).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("torvane-service-") + QString::fromLatin1(hash.toHex().left(16));
}

Locations locationsOf(const QString &serviceFolder) {
    const QString id = identifierOf(serviceFolder);
    const QString data = dataFolder();
    return {data + QStringLiteral("/kio/servicemenus/") + id + QStringLiteral(".desktop"),
            data + QStringLiteral("/nautilus/scripts"),
            data + QStringLiteral("/nemo/actions/") + id + QStringLiteral(".nemo_action"),
            xdgFolder("XDG_CONFIG_HOME", ".config") + QStringLiteral("/Thunar/uca.xml"),
            data + QStringLiteral("/file-manager/actions/") + id + QStringLiteral(".desktop")};
}

QString nautilusScriptOf(const QString &serviceFolder) {
    const QString marker = scriptMarker(serviceFolder);
    const QDir scripts(locationsOf(serviceFolder).nautilusScriptsFolder);
    for (const QFileInfo &entry : scripts.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (entry.size() > 64 * 1024) continue;
        QFile file(entry.absoluteFilePath());
        if (file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()).contains(marker))
            return entry.absoluteFilePath();
    }
    return QString();
}

QStringList install(const QString &serviceFolder, const QString &title,
                    const QString &providerProgram) {
    remove(serviceFolder);
    const Locations where = locationsOf(serviceFolder);
    const QString &p = providerProgram;
    const QString &f = serviceFolder;
    QStringList problems;
    QString error;
    if (!writeText(where.dolphinServiceMenu, dolphinMenu(title, p, f), true, &error))
        problems << error;
    const QString script =
        where.nautilusScriptsFolder + QLatin1Char('/') + nautilusScriptName(f, title);
    if (!writeText(script, nautilusScript(p, f), true, &error)) problems << error;
    if (!writeText(where.nemoAction, nemoAction(title, p, f), false, &error)) problems << error;
    if (!writeThunarAction(where.thunarActions, thunarAction(identifierOf(f), title, p, f),
                           identifierOf(f), &error))
        problems << error;
    if (!writeText(where.fileManagerAction, fileManagerAction(title, p, f), false, &error))
        problems << error;
    return problems;
}

void remove(const QString &serviceFolder) {
    const Locations where = locationsOf(serviceFolder);
    for (const QString &path : {where.dolphinServiceMenu, where.nemoAction, where.fileManagerAction,
                                nautilusScriptOf(serviceFolder)}) {
        if (!path.isEmpty()) QFile::remove(path);
    }
    QString error;
    if (QFileInfo::exists(where.thunarActions) &&
        !writeThunarAction(where.thunarActions, QString(), identifierOf(serviceFolder), &error))
        Log::line(QStringLiteral("[Service] ") + error);
}

}  // namespace FileManagerActions
