#include "skintool/sound_findings.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/base/little_endian.h"
#include "skintool/layout_text.h"

namespace pixlin::skintool {
namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kExtensible = 0xFFFE;
constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kRiffHeader = 12;
constexpr std::size_t kPcmFormatBytes = 16;
constexpr std::size_t kExtensibleSubformat = 24;

Finding SoundFinding(Severity severity, std::string kind, std::string message, std::string fix) {
    return Finding{severity, std::string(kSoundFile), 0, std::move(kind), std::move(message), std::move(fix)};
}

}  // namespace

std::optional<WaveFormat> ReadWaveFormat(std::string_view head, std::uint64_t fileSize) {
    if (head.size() < kRiffHeader || !head.starts_with("RIFF") || head.substr(8, 4) != "WAVE") {
        return std::nullopt;
    }
    WaveFormat format;
    bool hasFormat = false;
    std::size_t at = kRiffHeader;
    while (at + kChunkHeader <= head.size()) {
        const std::string_view id = head.substr(at, 4);
        const std::uint64_t size = ReadLittle32(head, at + 4);
        const std::size_t body = at + kChunkHeader;
        if (id == "fmt " && size >= kPcmFormatBytes && body + kPcmFormatBytes <= head.size()) {
            format.formatTag = static_cast<std::uint16_t>(ReadLittle16(head, body));
            format.channels = static_cast<std::uint16_t>(ReadLittle16(head, body + 2));
            format.sampleRate = ReadLittle32(head, body + 4);
            format.byteRate = ReadLittle32(head, body + 8);
            format.bitsPerSample = static_cast<std::uint16_t>(ReadLittle16(head, body + 14));
            format.pcm = format.formatTag == kPcm;
            if (format.formatTag == kExtensible && size >= kExtensibleSubformat + 2 &&
                body + kExtensibleSubformat + 2 <= head.size()) {
                format.pcm = ReadLittle16(head, body + kExtensibleSubformat) == kPcm;
            }
            hasFormat = true;
        } else if (id == "data") {
            format.hasData = true;
            format.dataBytes = std::min<std::uint64_t>(size, fileSize > body ? fileSize - body : 0);
            break;
        }
        at = body + static_cast<std::size_t>(std::min<std::uint64_t>(size + (size & 1), head.size()));
    }
    if (!hasFormat) {
        return std::nullopt;
    }
    return format;
}

Findings SoundFindings(std::optional<std::string_view> head, std::uint64_t fileSize) {
    if (!head) {
        return {SoundFinding(Severity::Info, "no-sound", "no click sound: clicks on the readouts copy silently",
                             "for a click sound, add a PCM wave file named pixlin.dat2")};
    }
    const std::optional<WaveFormat> format = ReadWaveFormat(*head, fileSize);
    if (!format) {
        return {SoundFinding(Severity::Warning, "not-wave",
                             "not a RIFF/WAVE file the system can play: clicks stay silent",
                             "save the sound as a PCM .wav file named pixlin.dat2")};
    }
    if (!format->pcm) {
        return {SoundFinding(Severity::Warning, "not-pcm",
                             "a compressed wave (format tag " + std::to_string(format->formatTag) +
                                 "): it plays only where Windows has a codec for it",
                             "save the sound as PCM (uncompressed) wave")};
    }
    if (!format->hasData || format->byteRate == 0 || format->dataBytes == 0) {
        return {SoundFinding(Severity::Warning, "empty-sound", "the wave has no sound data: clicks stay silent",
                             "save the sound again as a PCM wave")};
    }
    const double milliseconds = static_cast<double>(format->dataBytes) * 1000.0 / format->byteRate;
    const std::string channels = format->channels == 1   ? "mono"
                                 : format->channels == 2 ? "stereo"
                                                         : std::to_string(format->channels) + " channels";
    return {SoundFinding(Severity::Info, "sound",
                         "PCM wave, " + std::to_string(format->sampleRate) + " Hz, " +
                             std::to_string(format->bitsPerSample) + "-bit " + channels + ", " +
                             NumberText(std::round(milliseconds)) + " ms: played on every click of a readout",
                         "")};
}

}  // namespace pixlin::skintool
