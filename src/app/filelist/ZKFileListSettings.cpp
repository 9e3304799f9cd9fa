#include "app/filelist/ZKFileListSettings.h"

#include "common/UserDefaults.h"

ZKFileListSettings ZKFileListSettings::read(const UserDefaults &defaults) {
    ZKFileListSettings settings;
    settings.listLayout = defaults.integerForKey(ListLayoutKey);
    settings.arrowMode = defaults.integerForKey(ArrowModeKey);
    settings.largeIcons = defaults.boolForKey(LargeIconsKey);
    settings.iconPreviews = defaults.boolForKey(IconPreviewsKey);
    settings.showWhitespace = defaults.boolForKey(ShowWhitespaceKey);
    const QString marker = defaults.stringForKey(WhitespaceMarkerKey);
    if (!marker.isEmpty()) settings.whitespaceMarker = marker;
    const QColor color = QColor::fromString(defaults.stringForKey(WhitespaceMarkerColorKey));
    if (color.isValid()) settings.whitespaceMarkerColor = color;
    settings.allowsSelection = defaults.boolForKey(AllowFileSelectionKey);
    settings.theme = defaults.integerForKey(FileListThemeKey);
    return settings;
}

bool ZKFileListSettings::isListKey(const QString &key) {
    static const QStringList keys{
        ListLayoutKey,         DetailModeKey,     ArrowModeKey,        LargeIconsKey,
        IconPreviewsKey,       ShowWhitespaceKey, WhitespaceMarkerKey, WhitespaceMarkerColorKey,
        AllowFileSelectionKey, FileListThemeKey};
    return keys.contains(key);
}

void storeUserDefault(UserDefaults &defaults, const QVariant &value, const QString &key) {
    const QVariant registered = defaults.registeredDefaults().value(key);
    const bool isDefault =
        registered.isValid()
            ? registered == value
            : (value.typeId() == QMetaType::Bool ? !value.toBool() : value.toLongLong() == 0);
    if (isDefault)
        defaults.removeObjectForKey(key);
    else
        defaults.setObject(value, key);
}
