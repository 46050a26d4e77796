// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names and texts of the program itself.

#include <string>

namespace grafipix::texts {

inline const std::string appname = "Grafipix";
inline const std::string authors = "l'équipe Grafipix";
inline const std::string website = "grafipix.example.org";
inline const std::string version = GRAFIPIX_VERSION;  // the project's, set by the build
inline const std::string credit = "Grafipix par " + authors;  // window caption and Label5

// The about text of `Apropos`: three lines, each ended by CR LF.
inline const std::string about = "\r\nRetrouvez le mode d'emploi complet en ligne ainsi que les dernieres \r\n"
                                 "mises à jour du logiciel sur " + website + "\r\n";

}  // namespace grafipix::texts
