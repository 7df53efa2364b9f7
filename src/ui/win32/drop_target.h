#pragma once
// Documents and links dragged onto a window from Explorer or a browser (OLE drag and drop):
// the files (CF_HDROP), or a link as the browsers offer it ("UniformResourceLocator", or
// plain text), read into a Drop and handed to the window's owner.
#include <windows.h>
#include <ole2.h>

#include <functional>
#include <optional>

#include "ui/vokanti_dlg.h"

namespace vokanti {

// What `data` holds that a window can take: its files, else a link or text; absent when it
// holds none of them.
std::optional<Drop> readDrop(IDataObject* data);

// True when `data` offers one of the formats readDrop() reads.
bool offersDrop(IDataObject* data);

class DropTarget : public IDropTarget {
public:
    struct Owner {
        std::function<bool()> accepts;               // false: nothing is taken now
        std::function<bool(POINT screen)> onDictionary;  // the point is on the dictionary box
        std::function<void(const vokanti::Drop&)> take;  // never throws
    };
    // Reference count 1; the creator releases it.
    explicit DropTarget(Owner owner) : owner_(std::move(owner)) {}
    DropTarget(const DropTarget&) = delete;
    DropTarget& operator=(const DropTarget&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDropTarget
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
    virtual ~DropTarget() = default;
    // The effect shown for what is dragged now, among those the source `allowed`.
    DWORD effectFor(DWORD allowed) const;

    Owner owner_;
    LONG references_ = 1;
    bool usable_ = false;  // what is being dragged now can be taken
};

}  // namespace vokanti
