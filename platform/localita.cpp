#include "localita.h"

#include "windows1252.h"

int SeparatoreDecimali(const QLocale &locale)
{
    constexpr int PuntoFermo = 46;
    const QString separatore = locale.decimalPoint();
    if (separatore.size() != 1 || separatore.at(0).isNull())
        return PuntoFermo;
    const std::string byte = inWindows1252(separatore.toStdString());
    if (byte.size() != 1 || (byte[0] == '?' && separatore != "?"))
        return PuntoFermo;
    return static_cast<unsigned char>(byte[0]);
}
