#include "app/tokens/ProxyConfigurationMenu.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QWidgetAction>

#include "app/help/ZKHelpWindow.h"
#include "tokens/ZKMetaDataType.h"

namespace ProxyConfigurationMenu {

namespace {

// Headings stand out of the column of choices, as small disabled text.
void addHeading(QMenu *menu, const QString &heading) {
    auto *label = new QLabel(ZKMetaDataType::localized(heading));
    label->setObjectName(QStringLiteral("proxyConfigurationHeading"));
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    font.setBold(true);
    label->setFont(font);
    label->setEnabled(false);
    label->setContentsMargins(8, 4, 8, 1);
    auto *item = new QWidgetAction(menu);
    item->setDefaultWidget(label);
    item->setEnabled(false);
    item->setText(label->text());
    menu->addAction(item);
}

}  // namespace

QMenu *create(const QVariantMap &token, const QDateTime &now, QWidget *parent, Choice choose) {
    const QList<ProxySettings::MenuSection> sections = ProxySettings::sections(token, now);
    if (sections.isEmpty()) return nullptr;
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("proxyConfigurationMenu"));
    menu->setTitle(ZKMetaDataType::localized(ProxySettings::kMenuTitle));
    for (const ProxySettings::MenuSection &section : sections) {
        if (!menu->isEmpty()) menu->addSeparator();
        addHeading(menu, section.heading);
        // One choice per section, except for the character pools, which add up.
        QActionGroup *choices = nullptr;
        if (section.section != ProxySettings::Section::CharacterSet) {
            choices = new QActionGroup(menu);
            choices->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
        }
        for (const ProxySettings::Item &item : section.items) {
            QString title = ZKMetaDataType::localized(item.title);
            if (!item.suffix.isEmpty()) title += ZKMetaDataType::localized(item.suffix);
            QAction *action = menu->addAction(title);
            action->setCheckable(true);
            action->setChecked(item.checked);
            action->setData(item.tag);
            if (choices) choices->addAction(action);
            const ProxySettings::Section which = section.section;
            const qint64 tag = item.tag;
            QObject::connect(action, &QAction::triggered, menu,
                             [choose, which, tag] { choose(which, tag); });
        }
    }
    menu->addSeparator();
    QAction *help = menu->addAction(QObject::tr("Token Settings Help"));
    help->setObjectName(QStringLiteral("tokenSettingsHelp"));
    QObject::connect(help, &QAction::triggered, menu,
                     [] { ZKHelpWindow::showHelp(QStringLiteral("tokens.html#settings")); });
    return menu;
}

}  // namespace ProxyConfigurationMenu
