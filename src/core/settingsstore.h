// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lxp {

// The per-user settings store, addressed as the platform registry is: a root key
// handle as signed decimal text (kCurrentUser) and a key path
// "SOFTWARE\<company>\<product>\<key>". Below the program's own key (ProgramKey())
// the values live in the program's per-user settings: the registry on Windows, the
// settings file ~/.config/<company>/Lexipond.conf elsewhere, group <key>. Any other
// root or key answers the default, or false. Keeps no state: every call opens and
// closes what it needs. Only the learner's choices (choices.h) are kept here.
class SettingsStore {
public:
    // The root key handle of the current user.
    static constexpr const char* kCurrentUser = "-2147483647";
    // "SOFTWARE\<company>\Lexipond\", the program's own key.
    static QString ProgramKey();

    // The stored text, or `Default` when the key or value is missing, the value is
    // not text, or it is 255 characters or longer.
    QString StringLoad(const QString& Key, const QString& SubKey, const QString& Item,
                       const QString& Default = QString()) const;
    // Stores `data` as text; true when it was written.
    bool StringSave(const QString& Key, const QString& SubKey, const QString& Item,
                    const QString& data) const;
    // Opens a link through the desktop shell: "http://" opens `Address` as a web
    // address, any other prefix is joined to it ("mailto:" + address); an empty
    // prefix means "file://". An empty address does nothing.
    void InternetLinkRun(const QString& strHwnd, const QString& LinkType,
                         const QString& Address) const;

    // Longest text a value may hold and still be read.
    static constexpr int kLongestValue = 254;
};

} // namespace lxp
