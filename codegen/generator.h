#pragma once
// The generator run of the `Code` window: its texts and the reading of the
// picture-memory answer. The handlers themselves are members of Editor.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/texts.h"

namespace grafipix::codetexts {

inline const std::string fxinstruction =
    "Copiez le code ci-dessous et collez le dans un nouveau programme ouvert dans Fx-interface. "
    "Transmettez le ensuite à votre calculatrice et exécutez le programme. Mode d'emploi complet sur " +
    texts::website;
inline const std::string fa124instruction =
    "Copiez le code ci-dessous et collez le dans un nouveau programme ouvert dans FA-124. "
    "Transmettez le ensuite à votre calculatrice et exécutez le programme. Mode d'emploi complet sur " +
    texts::website;

inline const std::string promptsix =
    "Si vous voulez que votre image se sauvegarde sur un picture (une fois le programme executé sur la "
    "calculatrice), indiquez le numéro du picture (1 à 6) :";
inline const std::string prompttwenty =
    "Si vous voulez que votre image se sauvegarde sur un picture (une fois le programme executé sur la "
    "calculatrice), indiquez le numéro du picture (1 à 20) :";
inline const std::string prompttitle = "Picture";

inline const std::string bytesbefore = "Il vous faudra un peu moins de ";
inline const std::string bytesafter = " bytes libres";

}  // namespace grafipix::codetexts

namespace grafipix {

// The answer to the picture prompt as a 16-bit whole number, a fractional part
// rounded half to even; 0 for anything that is not such a number.
int16_t readpictnum(std::string_view answer);

}  // namespace grafipix
