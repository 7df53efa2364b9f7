#pragma once
// Dragging from a test as Explorer and the browsers do: data put on the clipboard in the
// formats they offer, read back as an OLE data object, and dropped where the cursor is.
// The thread must have called OleInitialize.
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace vokanti::testing {

// The clipboard's data object after the clipboard was given `bytes` in `format`; null when
// the clipboard could not be set. The caller releases it.
inline IDataObject* dataObjectWith(UINT format, const std::string& bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory) return nullptr;
    std::copy(bytes.begin(), bytes.end(), static_cast<char*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    if (!OpenClipboard(nullptr)) return GlobalFree(memory), nullptr;
    EmptyClipboard();
    const bool set = SetClipboardData(format, memory) != nullptr;
    CloseClipboard();
    if (!set) return GlobalFree(memory), nullptr;
    IDataObject* data = nullptr;
    return SUCCEEDED(OleGetClipboard(&data)) ? data : nullptr;
}

// Files as Explorer offers them (CF_HDROP, ANSI names).
inline IDataObject* filesObject(const std::vector<std::string>& paths) {
    DROPFILES header{};
    header.pFiles = sizeof header;
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string& path : paths) bytes += path + '\0';
    bytes += '\0';
    return dataObjectWith(CF_HDROP, bytes);
}

// A link as a browser offers it.
inline IDataObject* linkObject(const std::string& url) {
    return dataObjectWith(RegisterClipboardFormatA(CFSTR_INETURLA), url + '\0');
}

// A source that drops at once wherever the cursor is.
class DropAtOnce : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) return *object = this, S_OK;
        return *object = nullptr, E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override { return DRAGDROP_S_DROP; }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

// Drags `data` to the middle of `window` and drops it there; the effect the target chose
// (DROPEFFECT_NONE when it refused).
inline DWORD dropOn(HWND window, IDataObject* data) {
    RECT r{};
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    DropAtOnce source;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
    return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

}  // namespace vokanti::testing
