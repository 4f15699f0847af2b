// Starting with the session: an XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/talmiroc-bandeja.desktop (~/.config/... without
// it), that starts `talmiroc --bandeja`. Its presence is the setting.
#pragma once

#include <QString>

namespace talmiroc {

// Where the entry lives.
QString Ruta_arranque();

// Whether the entry is there.
bool Arranque_puesto();

// The entry for the program at `programa` (an absolute path), valid for
// desktop-file-validate: its Exec quotes the path as desktop entries
// require, so "/opt/mi talmiroc/talmiroc" reads
// Exec="/opt/mi talmiroc/talmiroc" --bandeja.
QByteArray Entrada_arranque(const QString& programa);

// Writes the entry for `programa` through the one writer of files (its
// folder made when missing) or removes it: empty when done, else a one-line
// reason naming the file, in the windows' language.
QString Poner_arranque(bool iniciar, const QString& programa);

}  // namespace talmiroc
