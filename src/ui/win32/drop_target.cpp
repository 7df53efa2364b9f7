#include "ui/win32/drop_target.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vokanti {

namespace {

CLIPFORMAT linkFormat() {
    static const CLIPFORMAT format = static_cast<CLIPFORMAT>(RegisterClipboardFormatA(CFSTR_INETURLA));
    return format;
}

CLIPFORMAT wideLinkFormat() {
    static const CLIPFORMAT format = static_cast<CLIPFORMAT>(RegisterClipboardFormatA("UniformResourceLocatorW"));
    return format;
}

// The text formats in the order they are preferred: a link before plain text, the program's
// own code page before UTF-16 (which some sources offer alone).
struct TextFormat {
    CLIPFORMAT format;
    bool wide;
};
std::vector<TextFormat> textFormats() {
    return {{linkFormat(), false}, {wideLinkFormat(), true}, {CF_TEXT, false}, {CF_UNICODETEXT, true}};
}

FORMATETC formatOf(CLIPFORMAT format) { return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// The medium of `format`, released with the object.
class Medium {
public:
    Medium(IDataObject* data, CLIPFORMAT format) {
        FORMATETC wanted = formatOf(format);
        ok_ = data && SUCCEEDED(data->GetData(&wanted, &medium_)) && medium_.tymed == TYMED_HGLOBAL;
    }
    ~Medium() {
        if (ok_) ReleaseStgMedium(&medium_);
    }
    Medium(const Medium&) = delete;
    Medium& operator=(const Medium&) = delete;
    HGLOBAL global() const { return ok_ ? medium_.hGlobal : nullptr; }

private:
    STGMEDIUM medium_{};
    bool ok_ = false;
};

std::optional<std::vector<Drop::File>> filesOf(IDataObject* data) {
    Medium medium(data, CF_HDROP);
    auto drop = static_cast<HDROP>(medium.global());
    if (!drop) return std::nullopt;
    std::vector<Drop::File> files;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string path(length + 1, '\0');
        path.resize(DragQueryFileA(drop, i, &path[0], length + 1));
        if (path.empty()) continue;
        const DWORD attributes = GetFileAttributesA(path.c_str());
        const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        files.push_back({std::move(path), folder});
    }
    if (files.empty()) return std::nullopt;
    return files;
}

// The text of `format` in the program's code page, up to its first NUL or the end of its
// memory.
std::optional<std::string> textOf(IDataObject* data, const TextFormat& format) {
    Medium medium(data, format.format);
    HGLOBAL global = medium.global();
    if (!global) return std::nullopt;
    const SIZE_T size = GlobalSize(global);
    const void* memory = GlobalLock(global);
    if (!memory) return std::nullopt;
    std::string text;
    if (format.wide) {
        std::wstring wide(static_cast<const wchar_t*>(memory), size / sizeof(wchar_t));
        wide.resize(std::min(wide.size(), wide.find(L'\0')));
        const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                               nullptr, nullptr);
        text.resize(static_cast<size_t>(std::max(length, 0)));
        if (length > 0) {
            WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &text[0], length, nullptr,
                                nullptr);
        }
    } else {
        text.assign(static_cast<const char*>(memory), size);
        text.resize(std::min(text.size(), text.find('\0')));
    }
    GlobalUnlock(global);
    return text;
}

}  // namespace

bool offersDrop(IDataObject* data) {
    if (!data) return false;
    FORMATETC files = formatOf(CF_HDROP);
    if (data->QueryGetData(&files) == S_OK) return true;
    for (const TextFormat& format : textFormats()) {
        FORMATETC wanted = formatOf(format.format);
        if (data->QueryGetData(&wanted) == S_OK) return true;
    }
    return false;
}

std::optional<Drop> readDrop(IDataObject* data) {
    Drop drop;
    if (auto files = filesOf(data)) {
        drop.files = std::move(*files);
        return drop;
    }
    for (const TextFormat& format : textFormats()) {
        if (auto text = textOf(data, format)) {
            drop.text = std::move(*text);
            return drop;
        }
    }
    return std::nullopt;
}

HRESULT DropTarget::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG DropTarget::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

DWORD DropTarget::effectFor(DWORD allowed) const {
    if (!usable_ || !owner_.accepts()) return DROPEFFECT_NONE;
    // The dropped item stays where it is: a copy, or a link when the source offers only that.
    if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
    if (allowed & DROPEFFECT_LINK) return DROPEFFECT_LINK;
    return DROPEFFECT_NONE;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    usable_ = offersDrop(data);
    *effect = effectFor(*effect);
    return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    *effect = effectFor(*effect);
    return S_OK;
}

HRESULT DropTarget::DragLeave() {
    usable_ = false;
    return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    usable_ = offersDrop(data);
    *effect = effectFor(*effect);
    usable_ = false;
    if (*effect == DROPEFFECT_NONE) return S_OK;
    std::optional<vokanti::Drop> drop = readDrop(data);
    if (!drop) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    drop->onDictionary = owner_.onDictionary(POINT{point.x, point.y});
    owner_.take(*drop);
    return S_OK;
}

}  // namespace vokanti
