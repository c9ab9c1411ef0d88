// DeviceCapabilitiesW and the capability values it answers from a printer
// model's capability file.
#pragma once

#include "platform/base/devmode_public.h"
#include "platform/base/win_types.h"
#include "platform/spooler/capability_file.h"

#include <memory>
#include <string>

constexpr WORD DC_FIELDS = 1;
constexpr WORD DC_PAPERS = 2;
constexpr WORD DC_PAPERSIZE = 3;
constexpr WORD DC_MINEXTENT = 4;
constexpr WORD DC_MAXEXTENT = 5;
constexpr WORD DC_BINS = 6;
constexpr WORD DC_DUPLEX = 7;
constexpr WORD DC_SIZE = 8;
constexpr WORD DC_EXTRA = 9;
constexpr WORD DC_VERSION = 10;
constexpr WORD DC_DRIVER = 11;
constexpr WORD DC_BINNAMES = 12;
constexpr WORD DC_ENUMRESOLUTIONS = 13;
constexpr WORD DC_FILEDEPENDENCIES = 14;
constexpr WORD DC_TRUETYPE = 15;
constexpr WORD DC_PAPERNAMES = 16;
constexpr WORD DC_ORIENTATION = 17;
constexpr WORD DC_COPIES = 18;
constexpr WORD DC_COLLATE = 22;
constexpr WORD DC_PRINTERMEM = 28;
constexpr WORD DC_STAPLE = 30;
constexpr WORD DC_PRINTRATEPPM = 31;
constexpr WORD DC_COLORDEVICE = 32;
constexpr WORD DC_MEDIATYPENAMES = 34;
constexpr WORD DC_MEDIATYPES = 35;

extern "C" {
/// Answers from the capability file of the printer's driver. With pOutput
/// NULL an array capability returns its element count; with a buffer it
/// fills it and returns the count. -1 for an unknown printer or an
/// unsupported capability. The device mode does not change the answers.
KXAPI int WINAPI DeviceCapabilitiesW(LPCWSTR pDevice, LPCWSTR pPort, WORD fwCapability,
                                     LPWSTR pOutput, const DEVMODEW* pDevMode);
}

namespace kx {

/// The driver's own capabilities: the output bins as WORD ids, and their
/// names in slots of 24 characters.
constexpr WORD kCapabilityOutputBins = 256;
constexpr WORD kCapabilityOutputBinNames = 257;

constexpr size_t kPaperNameSlot = 64;
constexpr size_t kBinNameSlot = 24;
constexpr size_t kMediaTypeNameSlot = 64;
constexpr size_t kOutputBinNameSlot = 24;

/// One capability of a parsed file; `output` may be NULL (count only). A
/// name fills its slot and is terminated only when shorter than the slot.
int AnswerCapability(const CapabilityFile& file, WORD capability, void* output);

/// The parsed capability file at a Linux path, read again when the file
/// changes; nullptr when it cannot be read.
std::shared_ptr<const CapabilityFile> LoadCapabilityFile(const std::string& unixPath);

} // namespace kx
