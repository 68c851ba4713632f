// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lxp::ResourceTable {

// Raw bytes of the resource `name` of type `type` ("DATA", "CUSTOM", "WORDS",
// "LETTERS", "AUDIO", "DIALOG", "BITMAP", "CURSOR", "ICON", or a screen's own
// pictures "screens/<window>"). Type and name are matched without regard to letter
// case; the name carries no file extension. Empty when there is no such resource.
QByteArray read(const QString& type, const QString& name);

// Whether the resource exists.
bool contains(const QString& type, const QString& name);

// Upper-case names of every resource of a type, sorted.
QStringList names(const QString& type);

} // namespace lxp::ResourceTable
