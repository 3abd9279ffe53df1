#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The record is two small files: the best score, and the name of the pupil
// who made it. Each holds one line of 8-bit Windows-1252 text ended by CR LF,
// so the files of the game's Windows days read back the same.

// A file larger than this cannot be a record; it is left alone.
constexpr std::size_t DimensioneMassimaRecord = 64 * 1024;

// The bytes of a record file that holds the given text (UTF-8). A character
// that Windows-1252 cannot hold is written as "?".
std::string rigaRecord(std::string_view testoUtf8);

// Whether the current score beats the stored one. Both are read by their
// leading number, so a score file "12\r\n" holds 12, and one that is empty
// or begins with letters holds 0. Only a strictly higher score is a record.
bool battutoIlRecord(std::string_view punteggioMemorizzato, std::string_view punteggioAttuale);
