#pragma once

#include <QDialog>
#include <QList>
#include <functional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class CollectionsFolderSelector;
class ZKControllingDragView;

// The preferences: what happens at launch, quitting and confirming, how the list looks and
// takes files, how names are computed and steps added. Each control takes effect at once:
// switches of the configuration go to the controller (and are saved with it at quit), the
// others to the user defaults, and the view reacts (changePreference). The controls follow
// changes made elsewhere, such as a confirmation's "do not ask again".
class ZKPreferencesWindow : public QDialog {
    Q_OBJECT
public:
    explicit ZKPreferencesWindow(ZKControllingDragView &view, QWidget *parent = nullptr);

    // The check box titled so, for tests; null when there is none.
    QCheckBox *switchTitled(const QString &title) const;
    QComboBox *startupPopUp() const { return startup_; }
    QComboBox *themePopUp() const { return theme_; }
    QComboBox *previewPopUp() const { return preview_; }
    // The line under the preview pop-up that says what the chosen condition does.
    QString previewExplanation() const;
    CollectionsFolderSelector *collectionsFolderSelector() const { return collectionsFolder_; }

    // Re-reads every control.
    void refresh();

private:
    struct Switch {
        QCheckBox *box;
        std::function<bool()> get;
    };

    QWidget *generalPage();
    QWidget *listPage();
    QWidget *namesPage();
    QWidget *presetsPage();
    void addSwitch(QFormLayout *form, const QString &title, std::function<bool()> get,
                   std::function<void(bool)> set, const QString &key);
    void addUserDefaultSwitch(QFormLayout *form, const QString &title, const QString &key);
    void addListSwitch(QFormLayout *form, const QString &title, const QString &key,
                       std::function<void()> toggle);
    QComboBox *addArrowModePopUp(QFormLayout *form);
    QComboBox *addThemePopUp(QFormLayout *form);
    void addPreviewPopUp(QFormLayout *form);
    void refreshPreviewExplanation();

    ZKControllingDragView &view_;
    QList<Switch> switches_;
    QComboBox *startup_ = nullptr;
    QComboBox *arrowMode_ = nullptr;
    QComboBox *theme_ = nullptr;
    QComboBox *preview_ = nullptr;
    QLabel *previewExplanation_ = nullptr;
    CollectionsFolderSelector *collectionsFolder_ = nullptr;
};
