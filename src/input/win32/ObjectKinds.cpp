#include "input/win32/ObjectKinds.h"

namespace tarvik {

ObjectKind objectKindOf(const GUID& type) {
    struct Known {
        const GUID& guid;
        ObjectKind kind;
    };
    static const Known known[] = {
        {GUID_XAxis, ObjectKind::kXAxis},   {GUID_YAxis, ObjectKind::kYAxis},
        {GUID_ZAxis, ObjectKind::kZAxis},   {GUID_RxAxis, ObjectKind::kRxAxis},
        {GUID_RyAxis, ObjectKind::kRyAxis}, {GUID_RzAxis, ObjectKind::kRzAxis},
        {GUID_Slider, ObjectKind::kSlider}, {GUID_POV, ObjectKind::kPov},
    };
    for (const Known& k : known) {
        if (IsEqualGUID(type, k.guid)) return k.kind;
    }
    return ObjectKind::kOther;
}

}  // namespace tarvik
