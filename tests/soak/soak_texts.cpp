#include "soak_texts.h"

namespace tarvek::soak {
namespace {

// A small fixed generator (xorshift), so every run copies the same texts.
std::uint32_t Mix(std::uint32_t x)
{
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    return x;
}

std::string Frequency(std::uint32_t index)
{
    const std::uint32_t khz = 1000 + index % 29000;
    const std::uint32_t hundredths = (index * 7) % 100;
    return std::to_string(khz) + "." + (hundredths < 10 ? "0" : "") + std::to_string(hundredths);
}

}  // namespace

std::string SoakText(std::uint32_t index)
{
    const std::uint32_t pick = Mix(index * 2654435761u + 1) % 10;
    const std::string n = std::to_string(index);
    if (pick < 4) {
        return "KLINGENFUSS Radio Utility Guide\r\nFrequency: " + Frequency(index) + " kHz [USB]\r\nCall: C" + n +
               "\r\nStation: Station number " + n + "\r\nTX-Site: Site " + n + "\r\nCountry: Country " + n +
               "\r\nModulation: RTTY 50 Bd 450 Hz\r\n";
    }
    if (pick < 7) {
        return "Klingenfuss Frequenzliste\r\nFrequenz: " + Frequency(index) + " kHz\r\nStation: Sender " + n +
               "\r\nSendeort: Ort " + n + "\r\nLand: Land " + n + "\r\n";
    }
    return "Notes " + n + ", nothing to tune here.\r\nFrequency: " + Frequency(index) + " kHz\r\nCall: C" + n +
           "\r\n";
}

}  // namespace tarvek::soak
