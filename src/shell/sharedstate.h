#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

namespace lxp {

class clsREGISTRY;
class clsLIBTEXT;
class LangText;

// Version information of the program.
struct VersionInfo {
    int major = LEXIPOND_VERSION_MAJOR;
    int minor = LEXIPOND_VERSION_MINOR;
    int revision = LEXIPOND_VERSION_PATCH;
    QString companyName = QStringLiteral(LEXIPOND_COMPANY);
    QString productName = QStringLiteral("Lexipond");
};

// The state that every screen shares, alive from start-up until the program ends.
// Screens read and write the fields directly.
struct SharedState {
    SharedState();
    ~SharedState();

    // Variant of English of the lesson content: "AMERICAN" or "ENGLISH".
    QString strLANGUAGE = QStringLiteral("AMERICAN");
    // Language of the screen texts: "ENGLISH" or "KOREAN".
    QString strHELPLANGUAGE = QStringLiteral("ENGLISH");
    // The "|"-separated list of screen texts loaded last.
    QString strHELPTEXTS;
    // Number of entries of the word list a content query read last.
    qint32 lngITEMCOUNT = 0;
    // The category chosen in the words lesson: "Words - " + name, and the key.
    QString strWORDSCAPTION;
    QString strCATEGORY;
    // The word being guessed in the pictures-and-words game.
    QString strCURRENTWORD;
    // Answer of the play-again dialog.
    bool blnPLAYAGAIN = false;

    std::unique_ptr<clsREGISTRY> objREGISTRY;
    std::unique_ptr<clsLIBTEXT> objLIBTEXT;
    std::unique_ptr<LangText> objLANGTEXT;

    // Program constants.
    QString strPRODUCTNAME;
    QString strREGBASEKEY;
    VersionInfo version;
};

SharedState& shared();
// Puts the shared state back to its start values (a fresh program run).
void resetShared();

// Root key handle of the per-user settings, as the settings store takes it.
inline constexpr const char* kCurrentUserKey = "-2147483647";
// Name of the settings key below strREGBASEKEY that holds the two choices.
inline constexpr const char* kSettingsKeyName = "frmPROGMENUMAINDETAILS";

} // namespace lxp
