// The exported entry points. No exception leaves them: each answers as the
// host expects when something inside fails.
#include "host/exports.h"

#include "devmode/devmode_set.h"
#include "devmode/model_profile.h"
#include "devmode/printer_queries.h"
#include "devmode/user_store.h"
#include "host/host_records.h"
#include "host/module_start.h"
#include "host/module_texts.h"
#include "host/page_dispatcher.h"
#include "host/page_info.h"
#include "platform/base/text.h"
#include "platform/base/text_or_empty.h"

#include <string>

namespace {

constexpr UINT kStageCreated = 2;

// Starts the module if needed, then runs the call; an exception becomes the
// entry point's failure answer.
template <typename Result, typename Call>
Result Guarded(Result onFailure, Call call) noexcept {
    try {
        kx::EnsureModuleStarted();
        return call();
    } catch (...) {
        return onFailure;
    }
}

// The loader's counterpart of start-up: libraries are freed at unload.
__attribute__((destructor)) void ModuleUnloaded() {
    kx::StopModule();
}

} // namespace

extern "C" {

KXAPI void WINAPI TELV_PageInfo(PageInfoRecord* info, int index) {
    if (info == nullptr)
        return;
    Guarded(0, [&] {
        kx::FillPageInfo(reinterpret_cast<BYTE*>(info), index, kx::ActiveModelProfile(),
                         kx::CurrentModuleTexts());
        return 0;
    });
}

KXAPI BOOL WINAPI TELV_DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  int index) {
    return Guarded(FALSE, [&] {
        return kx::PageDispatcher::Instance().Dispatch(window, message, wParam, lParam, index);
    });
}

KXAPI LONG WINAPI TELV_Page0CallBack(HWND, UINT stage, SheetRecord* record) {
    if (record == nullptr)
        return 1;
    const kx::SheetRecordView sheet(reinterpret_cast<BYTE*>(record));
    if (auto context = kx::SheetContextView::At(sheet.Context())) {
        context->SetSixteenBit(0);
        if (stage == kStageCreated) {
            context->SetChanged(0);
            context->SetApplied(0);
            context->SetReset(0);
        }
    }
    return 1;
}

KXAPI BOOL WINAPI TELV_GetText(int fromStringFile, LPCWSTR section, LPCWSTR key, LPWSTR out,
                               int size) {
    if (out == nullptr || size <= 0)
        return TRUE;
    out[0] = u'\0';
    return Guarded(TRUE, [&] {
        const std::u16string_view sectionName =
            section == nullptr || *section == u'\0' ? u"Common" : std::u16string_view(section);
        const auto text = kx::CurrentModuleTexts().Read(
            fromStringFile != 0 ? kx::TextFile::Strings : kx::TextFile::Settings, sectionName,
            kx::TextOrEmpty(key), static_cast<size_t>(size), std::nullopt);
        if (text)
            kx::CopyText(out, static_cast<size_t>(size), *text);
        return TRUE;
    });
}

KXAPI int WINAPI TELV_RemoveCustomData(LPCWSTR driverName) {
    return Guarded(0, [&] {
        constexpr int kSharedDriver = 2;
        if (kx::CurrentPrinterQueries().CountPrintersUsingDriver(kx::TextOrEmpty(driverName),
                                                                 kSharedDriver) >= kSharedDriver)
            return 1;
        // The host's answer says only whether the items are shared; items
        // that could not go are deleted again with the next printer removed.
        (void)kx::CurrentUserStore().DeleteAllItems();
        return 0;
    });
}

KXAPI int WINAPI TELV_SaveDefDevMode(const void* devmode) {
    if (devmode == nullptr)
        return static_cast<int>(ERROR_INVALID_PARAMETER);
    return Guarded(static_cast<int>(ERROR_OUTOFMEMORY), [&] {
        return static_cast<int>(kx::SaveDefaultDevmode(static_cast<const BYTE*>(devmode)));
    });
}
}
