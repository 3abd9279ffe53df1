#include "giudizio.h"

#include "lettura.h"

bool rispostaEsatta(std::string_view numeratore, std::string_view denominatore,
                    std::string_view Numeratore, std::string_view Denominatore)
{
    return leggiNumeroIniziale(numeratore) == leggiNumeroIniziale(Numeratore) &&
           leggiNumeroIniziale(denominatore) == leggiNumeroIniziale(Denominatore);
}

std::string messaggioEsito(bool esatta, std::string_view Numeratore, std::string_view Denominatore)
{
    if (esatta)
        return "Esatto!! ";
    std::string messaggio = "Sbagliato!! ";
    messaggio += Numeratore;
    messaggio += " / ";
    messaggio += Denominatore;
    return messaggio;
}

std::string testoConteggio(int conteggio)
{
    return std::to_string(conteggio);
}

void Conteggi::conta(bool esatta)
{
    if (totale() >= Massimo)
        return;
    if (esatta)
        ++esatte_;
    else
        ++errate_;
}

bool tastoAccettato(int codice)
{
    return codice == '/' || codice == '+' || (codice >= '0' && codice <= '9') || codice == ' ' ||
           codice == 8;
}
