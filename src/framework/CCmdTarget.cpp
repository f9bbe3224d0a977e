#include "framework/CCmdTarget.h"

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const MessageMapEntry* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
    for (const MessageMap* map = GetMessageMap(); map != nullptr;
         map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->handler != nullptr; ++entry) {
            if (entry->message != message) {
                continue;
            }
            if (message != WM_COMMAND || (entry->code == code && entry->id == id)) {
                return entry;
            }
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    const MessageMapEntry* entry = FindMessageEntry(WM_COMMAND, code, id);
    if (entry == nullptr) {
        return FALSE;
    }
    entry->handler(this, MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(code)), 0);
    return TRUE;
}
