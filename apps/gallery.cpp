// Drawing the gallery's pictures and writing its index page.
#include "apps/gallery.h"

#include "apps/gallery_table.h"
#include "apps/host_sheet.h"
#include "apps/sheet_script.h"
#include "apps/sheet_script_runner.h"
#include "apps/sheet_start.h"

#include "platform/base/text.h"
#include "platform/spooler/printer_store.h"
#include "platform/system/system_api.h"
#include "platform/window/paint_api.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace kxhost {
namespace {

namespace fs = std::filesystem;

struct DialogPicture {
    std::string name;
    std::string caption;
    std::string file; ///< relative to the index page
};

struct PagePicture {
    int index = 0;
    std::string caption;
    SIZE size{};
    std::string file;
    std::vector<DialogPicture> dialogs;
};

struct PrinterGallery {
    std::string name;
    std::string slug;
    std::vector<PagePicture> pages;
    bool complete = true;
};

// The index page's own texts, in English or German by the user's language.
struct IndexTexts {
    const char* language;
    const char* title;
    const char* printers;
    const char* page;
    const char* size;
    const char* fields;
    const char* noFields;
    const char* dialogs;
};
constexpr IndexTexts kEnglish = {"en",
                                 "The pages of the sample printers",
                                 "Printers",
                                 "Page",
                                 "Size",
                                 "Device-mode fields",
                                 "not yet listed: the page has not landed",
                                 "Opened from this page"};
constexpr IndexTexts kGerman = {"de",
                                "Die Seiten der Beispieldrucker",
                                "Drucker",
                                "Seite",
                                "Größe",
                                "Felder des Gerätemodus",
                                "noch nicht aufgeführt: die Seite fehlt noch",
                                "Von dieser Seite aus geöffnet"};
constexpr LANGID kGermanPrimary = 0x07;

const IndexTexts& TextsForUser() {
    return (GetUserDefaultLangID() & 0x3FF) == kGermanPrimary ? kGerman : kEnglish;
}

std::vector<ScriptStep> Steps(const std::string& script) {
    ParsedScript parsed = ParseSheetScript(script);
    if (auto* steps = std::get_if<std::vector<ScriptStep>>(&parsed))
        return std::move(*steps);
    return {};
}

std::string LastDialogTitle(const SheetScriptRunner& runner, size_t from) {
    const auto& shown = runner.Shown();
    for (size_t i = from; i < shown.size(); ++i) {
        if (shown[i].kind == kx::UiEventKind::Dialog)
            return kx::Utf16ToUtf8(shown[i].title);
    }
    return {};
}

// Opens each dialog of the page's row and draws it; a button the model
// does not offer (hidden or disabled) is left out.
void DrawDialogs(SheetScriptRunner& runner, PagePicture& page, const std::string& prefix) {
    for (const GalleryDialog& dialog : GalleryPageOf(page.index).dialogs) {
        const std::string file = prefix + "-" + std::string(dialog.name) + ".png";
        std::ostringstream script;
        script << "expect " << dialog.control << " visible\n"
               << "expect " << dialog.control << " enabled\n"
               << "dialog\n  picture \"" << file << "\"\n  cancel\nend\n"
               << "click " << dialog.control << "\n";
        const size_t shownBefore = runner.Shown().size();
        if (runner.Run(Steps(script.str())))
            continue;
        page.dialogs.push_back(
            {std::string(dialog.name), LastDialogTitle(runner, shownBefore), file});
    }
}

PrinterGallery DrawPrinter(const kx::PrinterRecord& printer, const std::string& folder) {
    PrinterGallery gallery;
    gallery.name = kx::Utf16ToUtf8(printer.name);
    gallery.slug = GallerySlug(gallery.name);
    const std::string relative = "gallery/" + gallery.slug;
    const std::string pictures = folder + "/" + relative;
    std::error_code error;
    fs::create_directories(pictures, error);

    auto opened = OpenSheetPrinter(gallery.name);
    if (!opened) {
        gallery.complete = false;
        return gallery;
    }
    HostSheet sheet(*opened->module, opened->printer.name, opened->before);
    if (!sheet.Open(AllPageIndexes())) {
        std::fprintf(stderr, "kxhost: %s: the sheet could not be opened\n", gallery.name.c_str());
        gallery.complete = false;
        return gallery;
    }
    for (const int index : sheet.PageIndexes()) {
        PagePicture page;
        page.index = index;
        page.caption = kx::Utf16ToUtf8(sheet.Caption(index));
        page.size = sheet.PageSize(index);
        page.file = relative + "/page-" + std::to_string(index) + ".png";
        gallery.pages.push_back(std::move(page));
    }
    sheet.WhenClosing([&] {
        for (const PagePicture& page : gallery.pages) {
            sheet.ReadyForPicture(page.index);
            if (!kx::RenderWindowToPng(sheet.PageWindow(page.index), folder + "/" + page.file)) {
                std::fprintf(stderr, "kxhost: %s could not be written\n", page.file.c_str());
                gallery.complete = false;
            }
        }
    });
    kx::ScriptedUser user;
    {
        SheetScriptRunner runner(sheet, user, pictures);
        for (PagePicture& page : gallery.pages) {
            if (runner.Run(Steps("page " + std::to_string(page.index) + "\n")))
                continue;
            DrawDialogs(runner, page, "page-" + std::to_string(page.index));
            for (DialogPicture& dialog : page.dialogs)
                dialog.file = relative + "/" + dialog.file;
        }
        sheet.CloseBox();
    }
    std::printf("  %s: %zu pages drawn\n", gallery.name.c_str(), gallery.pages.size());
    return gallery;
}

void WritePage(std::ostream& out, const std::string& slug, const PagePicture& page,
               const IndexTexts& texts) {
    const std::string caption = HtmlEscaped(page.caption);
    const std::string_view fields = GalleryPageOf(page.index).fields;
    out << "<article class=\"page\" id=\"" << slug << "-page-" << page.index << "\">\n"
        << "<h3>" << texts.page << " " << page.index << ": " << caption << "</h3>\n"
        << "<p class=\"facts\">" << texts.size << " " << page.size.cx << " &times; " << page.size.cy
        << "</p>\n"
        << "<a href=\"" << page.file << "\"><img src=\"" << page.file << "\" alt=\"" << caption
        << "\" width=\"" << page.size.cx << "\" height=\"" << page.size.cy << "\"></a>\n"
        << "<p class=\"fields\"><b>" << texts.fields << ":</b> "
        << (fields.empty() ? std::string(texts.noFields) : HtmlEscaped(fields)) << "</p>\n";
    if (!page.dialogs.empty()) {
        out << "<div class=\"dialogs\"><b>" << texts.dialogs << ":</b>\n";
        for (const DialogPicture& dialog : page.dialogs) {
            const std::string title =
                HtmlEscaped(dialog.caption.empty() ? dialog.name : dialog.caption);
            out << "<figure><a href=\"" << dialog.file << "\"><img src=\"" << dialog.file
                << "\" alt=\"" << title << "\"></a><figcaption>" << title
                << "</figcaption></figure>\n";
        }
        out << "</div>\n";
    }
    out << "</article>\n";
}

bool WriteIndex(const std::string& path, const std::vector<PrinterGallery>& printers) {
    const IndexTexts& texts = TextsForUser();
    std::ofstream out(path, std::ios::trunc);
    out << "<!DOCTYPE html>\n<html lang=\"" << texts.language << "\">\n<head>\n"
        << "<meta charset=\"utf-8\">\n<title>" << texts.title << "</title>\n"
        << "<style>\n"
        << "body { font-family: sans-serif; margin: 1em 2em; background: #f4f4f4; }\n"
        << "section { margin-bottom: 2em; }\n"
        << ".pages { display: flex; flex-wrap: wrap; gap: 1em; }\n"
        << ".page { background: #fff; border: 1px solid #ccc; padding: 0.6em; width: 440px; }\n"
        << ".page h3 { margin: 0 0 0.2em 0; font-size: 1em; }\n"
        << ".facts, .fields { font-size: 0.85em; margin: 0.3em 0; }\n"
        << ".dialogs figure { display: inline-block; margin: 0.3em; font-size: 0.8em; "
           "vertical-align: top; }\n"
        << ".dialogs img { max-width: 200px; height: auto; border: 1px solid #ddd; }\n"
        << "</style>\n</head>\n<body>\n<h1>" << texts.title << "</h1>\n<nav><b>" << texts.printers
        << ":</b>\n";
    for (const PrinterGallery& printer : printers)
        out << "<a href=\"#" << printer.slug << "\">" << HtmlEscaped(printer.name) << "</a>\n";
    out << "</nav>\n";
    for (const PrinterGallery& printer : printers) {
        out << "<section id=\"" << printer.slug << "\">\n<h2>" << HtmlEscaped(printer.name)
            << "</h2>\n<div class=\"pages\">\n";
        for (const PagePicture& page : printer.pages)
            WritePage(out, printer.slug, page, texts);
        out << "</div>\n</section>\n";
    }
    out << "</body>\n</html>\n";
    out.close();
    return !out.fail();
}

} // namespace

std::string GallerySlug(std::string_view name) {
    std::string slug;
    for (const char c : name) {
        const bool kept = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (kept)
            slug += c;
        else if (c >= 'A' && c <= 'Z')
            slug += static_cast<char>(c - 'A' + 'a');
        else if (!slug.empty() && slug.back() != '-')
            slug += '-';
    }
    while (!slug.empty() && slug.back() == '-')
        slug.pop_back();
    return slug.empty() ? std::string("printer") : slug;
}

std::string HtmlEscaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

int MakeGallery(const std::string& folder) {
    std::vector<PrinterGallery> printers;
    bool complete = true;
    for (const kx::PrinterRecord& printer : kx::PrinterStore::Printers()) {
        printers.push_back(DrawPrinter(printer, folder));
        complete = complete && printers.back().complete;
    }
    const std::string index = folder + "/index.html";
    if (!WriteIndex(index, printers)) {
        std::fprintf(stderr, "kxhost: %s could not be written\n", index.c_str());
        return 1;
    }
    std::printf("  the gallery: %s\n", index.c_str());
    return complete ? 0 : 1;
}

} // namespace kxhost
