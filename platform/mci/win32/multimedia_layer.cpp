// The multimedia layer on Windows: winmm's own mciSendString, its error
// texts, PlaySound and waveOutGetNumDevs, no interpreter of ours in between;
// CD audio is the system's own cdaudio device. Our texts are UTF-8 and go
// through the W calls, so a Japanese file name plays whatever the ANSI code
// page.
#include "platform/mci/multimedia_layer.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/win32/wide_text.h"

// Our interface's PlaySound is not the system's A/W macro.
#undef PlaySound

namespace blazemere::platform {

namespace {

static_assert(kSndAsync == SND_ASYNC && kSndLoop == SND_LOOP, "our PlaySound flags are the system's");

// The most characters a reply or an error text is read in; MCI's own
// replies and texts are far shorter.
constexpr std::size_t kTextLimit = 4096;

// The first `count` characters of `wide` as UTF-8, cut at its NUL.
std::string Utf8Prefix(const std::vector<wchar_t>& wide, std::size_t count) {
  const std::wstring_view text(wide.data(), std::min(count, wide.size()));
  return Utf8FromWide(text.substr(0, text.find(L'\0')));
}

class WinmmMultimediaLayer final : public MultimediaLayer {
 public:
  std::uint32_t SendCommandString(const std::string& command, std::string& reply, std::size_t replySize) override {
    reply.clear();
    // The call takes a C string: it ends at the first NUL.
    const std::optional<std::wstring> wide = WideFromUtf8(command.c_str());
    // Damaged text can name no device or file MCI could open.
    if (!wide) return MCIERR_UNRECOGNIZED_COMMAND;
    const std::size_t size = std::min(replySize, kTextLimit);
    std::vector<wchar_t> buffer(size + 1, L'\0');
    const MCIERROR code =
        mciSendStringW(wide->c_str(), size == 0 ? nullptr : buffer.data(), static_cast<UINT>(size), nullptr);
    if (size > 0) reply = Utf8Prefix(buffer, size - 1);
    return static_cast<std::uint32_t>(code);
  }

  bool GetErrorString(std::uint32_t code, std::string& text, std::size_t textSize) override {
    text.clear();
    const std::size_t size = std::min(textSize, kTextLimit);
    if (size == 0) return false;
    std::vector<wchar_t> buffer(size + 1, L'\0');
    if (!mciGetErrorStringW(code, buffer.data(), static_cast<UINT>(size))) return false;
    text = Utf8Prefix(buffer, size - 1);
    return true;
  }

  bool PlaySound(const char* file, std::uint32_t flags) override {
    if (file == nullptr) return ::PlaySoundW(nullptr, nullptr, flags) != FALSE;
    const std::optional<std::wstring> wide = WideFromUtf8(file);
    if (!wide) return false;
    return ::PlaySoundW(wide->c_str(), nullptr, flags) != FALSE;
  }

  int WaveOutDeviceCount() override { return static_cast<int>(waveOutGetNumDevs()); }
};

}  // namespace

std::unique_ptr<MultimediaLayer> CreateMultimediaLayer() { return std::make_unique<WinmmMultimediaLayer>(); }

}  // namespace blazemere::platform
