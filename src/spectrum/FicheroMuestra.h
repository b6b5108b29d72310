#pragma once
// Powder sample files: 404 little-endian records of 4 bytes. Record 1 is the
// header value, record 2 the start angle, record 3 a value read and dropped
// (written as the end angle), records 4 to 404 the 401 intensities as 32-bit
// floats. Records 1 to 3 are tagged values: a 16-bit type code and the
// value's bytes, which must fit in the record.

#include <cstdint>
#include <string>
#include <string_view>

#include "state/Estado.h"

namespace varlek {

inline constexpr std::size_t kBytesMuestra = 404 * 4;

struct DatosMuestra {
  Valor cabecera;     // empty, null, a 16-bit integer, a boolean or a byte
  double inicio = 5;  // degrees of 2θ of point 0
  Espectro401 puntos;
};

// Reads the bytes of a sample file, checking all of them before anything is
// returned. Throws ErrorVarlek 62 when fewer than 1616 bytes are given, 13
// when a tagged record holds a type that does not fit its 4 bytes (or the
// start angle is no number), 6 when an intensity is not a finite number.
// Bytes after the 404 records are ignored.
DatosMuestra LeeMuestra(std::string_view bytes);

// Reads a sample file, opened for reading only. Throws ErrorVarlek with the
// code of the failure (53 missing file, 76 missing folder, 62, 13, 6…).
DatosMuestra LeeFicheroMuestra(const std::string& ruta);

// The 1616 bytes of a sample file: the start angle, and the end angle in
// record 3, as 16-bit whole numbers of degrees. Throws ErrorVarlek 13 for a
// header kind that does not fit a record, 6 for an angle that is not a
// 16-bit whole number or an intensity that is not finite.
std::string BytesMuestra(const DatosMuestra& datos, double fin);

// Writes a sample file whole or not at all (see EscribeEntero).
void SalvaMuestra(const std::string& ruta, const DatosMuestra& datos, double fin);

// A read sample becomes the spectrum on screen: its header, its start angle
// and its points. The end angle stays, and the angle is left at 5° (the
// default start), whatever the sample's start angle says.
void AplicaMuestra(Estado& e, const DatosMuestra& datos);

// The powder ring on the schematic: the stroke of point i stands at
// 5° + i/4 degrees (in radians), whatever the start angle says, and its grey
// level is 255 for 0 and below, 0 (black) from 380 up.
double AnguloAnillo(int i);
int GrisAnillo(float intensidad);

// The sample file `nombre` where the program looks for it: in the program's
// own folder when it is there, otherwise in the installed data folder,
// `carpetaDatos`, which may be given relative to the program's folder; when
// it is in neither, in a folder that exists, if one does.
std::string RutaMuestra(const std::string& nombre, const std::string& carpetaPrograma, const std::string& carpetaDatos);

}  // namespace varlek
