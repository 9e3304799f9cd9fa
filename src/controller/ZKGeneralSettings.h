#pragma once

// The application-wide choices that travel with the configuration when quitting: the
// start-up action, the preview condition, the confirmation before every rename run, quitting
// with the main window, clearing the list after a run, and the file-list theme (which is
// saved when it changes rather than with the rest). Pop-up choices are held as their tags.
struct ZKGeneralSettings {
    // Tags of the start-up action ("Startup Population").
    enum StartupAction {
        StartupNothing = 0,
        StartupFinderSelection = 1,
        StartupPathFinderSelection = 2,
        StartupOpenPanel = 3,
        // Starts with every setting at its default instead of the saved configuration.
        StartupDefaultSettings = 99,
    };

    // Whether the start-up pop-up offers the tag: the five above, without the Path Finder
    // selection in a sandboxed run.
    static bool isStartupActionAvailable(int tag);
    // The preview condition and the theme are carried, not interpreted here: any tag from 0
    // up is accepted.
    static bool isPreviewPopUpConditionAvailable(int tag) { return tag >= 0; }
    static bool isFileListThemeAvailable(int tag) { return tag >= 0; }

    int startupAction = StartupNothing;
    int previewPopUpCondition = 0;
    // "Chicken": ask for confirmation before every rename run.
    bool confirmBeforeRenaming = true;
    bool quitWhenClosed = false;
    bool clearListAfterRenaming = false;
    int fileListTheme = 0;

    bool operator==(const ZKGeneralSettings &other) const = default;
};
