#pragma once

#include <QColor>
#include <QString>

#include "collections/ApplicationDefaults.h"
#include "collections/ConfigurationKeys.h"
#include "listing/CellDetailText.h"

class UserDefaults;

// The user defaults that shape the file list, read in one go so that painting a row never
// goes back to the store.
struct ZKFileListSettings {
    static inline const QString &ListLayoutKey = CellDetailText::ListLayoutKey;
    static inline const QString &DetailModeKey = CellDetailText::DetailModeKey;
    static inline const QString &ArrowModeKey = ApplicationDefaults::kArrowMode;
    static inline const QString &LargeIconsKey = ApplicationDefaults::kAlwaysShowLargeIcons;
    static inline const QString &IconPreviewsKey = ApplicationDefaults::kShowIconPreviews;
    static inline const QString &ShowWhitespaceKey = ApplicationDefaults::kShowWhitespace;
    static inline const QString WhitespaceMarkerKey = QStringLiteral("Show Whitespace: Marker");
    static inline const QString WhitespaceMarkerColorKey =
        QStringLiteral("Show Whitespace: Marker Color");
    static inline const QString &AllowFileSelectionKey = CellDetailText::AllowFileSelectionKey;
    static inline const QString &FileListThemeKey = ConfigurationKeys::kFileListTheme;

    // "List Layout" tags: one line with small icons, one roomier line, names over a detail
    // line.
    enum Layout {
        CompactLayout = 0,
        RegularLayout = 1,
        DetailLayout = CellDetailText::DetailLayout
    };

    qint64 listLayout = CompactLayout;
    qint64 arrowMode = 1;
    bool largeIcons = false;
    bool iconPreviews = true;
    bool showWhitespace = false;
    // The text drawn in place of a space; other white space gets the same marker.
    QString whitespaceMarker = QStringLiteral("\u00B7");
    // Invalid: the palette's placeholder colour.
    QColor whitespaceMarkerColor;
    bool allowsSelection = true;
    // "File List Theme" tags: the plain background, or rows in alternating shades.
    enum Theme { PlainTheme = 0, StripedTheme = 1 };
    qint64 theme = PlainTheme;

    static ZKFileListSettings read(const UserDefaults &defaults);
    // Whether a changed key is one of the above.
    static bool isListKey(const QString &key);

    bool showsDetailLine() const { return listLayout == DetailLayout; }
    bool showsLargeIcons() const { return largeIcons || listLayout == DetailLayout; }
};

// Stores a value, or removes the key when the value is what the registered layer holds, so
// that only choices that differ from the defaults are kept.
void storeUserDefault(UserDefaults &defaults, const QVariant &value, const QString &key);
