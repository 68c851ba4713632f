#pragma once

#include <QString>

namespace lxp {

// The per-user settings store. Keys are given as in the platform registry: a root
// key handle as signed decimal text ("-2147483647" is the current user) and a key
// path "SOFTWARE\<company>\<product>\<key>". Below the program's own base key the
// values live in the program's per-user settings (the registry on Windows, the
// settings file ~/.config/<company>/Lexipond.conf elsewhere, group <key>).
// Keeps no state: every call opens and closes what it needs.
class clsREGISTRY {
public:
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
