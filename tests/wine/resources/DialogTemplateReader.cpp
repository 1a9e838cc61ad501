#include "DialogTemplateReader.h"

#include <cstring>

namespace tarvik::test {
namespace {

class Cursor {
  public:
    Cursor(const BYTE* begin, const BYTE* end) : p_(begin), begin_(begin), end_(end) {}

    bool ok() const { return ok_; }

    WORD word() {
        WORD v = 0;
        take(&v, sizeof v);
        return v;
    }

    DWORD dword() {
        DWORD v = 0;
        take(&v, sizeof v);
        return v;
    }

    short shortValue() { return static_cast<short>(word()); }

    // A NUL-terminated UTF-16 string, narrowed (the templates are ASCII).
    std::string text() {
        std::string s;
        for (WORD c = word(); ok_ && c != 0; c = word()) s.push_back(static_cast<char>(c));
        return s;
    }

    // Menu, class or title: empty, an ordinal (0xFFFF then a number) or a string.
    std::string nameOrOrdinal(WORD& ordinal) {
        ordinal = 0;
        const WORD first = word();
        if (first == 0) return {};
        if (first == 0xFFFF) {
            ordinal = word();
            return {};
        }
        std::string s(1, static_cast<char>(first));
        return s + text();
    }

    void alignToDword() {
        while (ok_ && (p_ - begin_) % 4 != 0) ++p_;
    }

    void skip(size_t n) { take(nullptr, n); }

  private:
    void take(void* out, size_t n) {
        if (static_cast<size_t>(end_ - p_) < n) {
            ok_ = false;
            p_ = end_;
            return;
        }
        if (out) std::memcpy(out, p_, n);
        p_ += n;
    }

    const BYTE* p_;
    const BYTE* begin_;
    const BYTE* end_;
    bool ok_ = true;
};

std::string predefinedClass(WORD atom) {
    switch (atom) {
        case 0x80:
            return "Button";
        case 0x81:
            return "Edit";
        case 0x82:
            return "Static";
        case 0x83:
            return "ListBox";
        case 0x84:
            return "ScrollBar";
        case 0x85:
            return "ComboBox";
        default:
            return "#" + std::to_string(atom);
    }
}

}  // namespace

bool readDialogTemplate(HMODULE module, const char* name, TemplateDialog& out) {
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (!found) return false;
    HGLOBAL loaded = LoadResource(module, found);
    const auto* data = static_cast<const BYTE*>(LockResource(loaded));
    if (!data) return false;
    Cursor c(data, data + SizeofResource(module, found));

    out = {};
    out.style = c.dword();
    if (HIWORD(out.style) == 0xFFFF) return false;  // an extended template
    c.dword();                                      // extended style
    const WORD count = c.word();
    c.shortValue();  // x
    c.shortValue();  // y
    out.width = c.shortValue();
    out.height = c.shortValue();
    WORD ordinal = 0;
    c.nameOrOrdinal(ordinal);  // menu
    c.nameOrOrdinal(ordinal);  // window class
    out.caption = c.text();
    if (out.style & DS_SETFONT) {
        out.pointSize = c.word();
        out.fontName = c.text();
    }
    for (WORD i = 0; i < count && c.ok(); ++i) {
        c.alignToDword();
        TemplateControl item;
        item.style = c.dword();
        c.dword();  // extended style
        item.x = c.shortValue();
        item.y = c.shortValue();
        item.width = c.shortValue();
        item.height = c.shortValue();
        item.id = static_cast<short>(c.word());
        WORD classAtom = 0;
        item.className = c.nameOrOrdinal(classAtom);
        if (classAtom != 0) item.className = predefinedClass(classAtom);
        item.text = c.nameOrOrdinal(ordinal);
        c.skip(c.word());  // creation data
        out.controls.push_back(item);
    }
    return c.ok() && out.controls.size() == count;
}

}  // namespace tarvik::test
