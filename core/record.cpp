#include "record.h"

#include "lettura.h"
#include "windows1252.h"

std::string rigaRecord(std::string_view testoUtf8)
{
    return inWindows1252(testoUtf8) + "\r\n";
}

bool battutoIlRecord(std::string_view punteggioMemorizzato, std::string_view punteggioAttuale)
{
    return leggiNumeroIniziale(punteggioAttuale) > leggiNumeroIniziale(punteggioMemorizzato);
}
