#pragma once

#include <QObject>

class QMainWindow;
class QMenu;
class ZKControllingDragView;

// The menus that keep and reuse configurations: "Configuration" (import, export, the custom
// default), "History" (show or hide the bar, step back and forward, clear, capacity) and
// "Presets" (save, manage, choose, trash). The history and presets menus are rebuilt each
// time they open. They act on the main window's steps, so they are disabled while another of
// Torvane's windows (help, log, preferences) is active.
class ConfigurationMenus : public QObject {
    Q_OBJECT
public:
    ConfigurationMenus(QMainWindow &window, ZKControllingDragView &view);

    // Import with the open dialog ("torv", "torvane", "tva"); a beep when it fails.
    void importRenamers();
    // Export with the save dialog ("tva", the steps' operation name proposed).
    void exportRenamers();
    // Asks for a name and saves the steps as a preset.
    void createPreset();

private:
    void buildConfigurationMenu();
    void buildHistoryMenu();
    void buildPresetsMenu();
    void rebuildHistoryMenu();
    void rebuildPresetsMenu();
    void addCapacityMenu(QMenu *menu);
    bool isMainWindowActive() const;
    void reflectActiveWindow();

    QMainWindow &window_;
    ZKControllingDragView &view_;
    QMenu *configurationMenu_ = nullptr;
    QMenu *historyMenu_ = nullptr;
    int fixedHistoryItems_ = 0;
    QMenu *presetsMenu_ = nullptr;
};
