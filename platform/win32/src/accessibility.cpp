#include "accessibility.h"

#include <initguid.h>
#include <oleacc.h>

namespace platform {
namespace {

// Created on first use: a dialog that nobody names pays nothing for it.
IAccPropServices* Services() {
    static IAccPropServices* services = [] {
        IAccPropServices* created = nullptr;
        CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                         reinterpret_cast<void**>(&created));
        return created;
    }();
    return services;
}

} // namespace

void Annotate(HWND hwnd, Annotation what, const std::wstring& text) {
    IAccPropServices* services = Services();
    if (!services || !hwnd) {
        return;
    }
    const MSAAPROPID property = what == Annotation::Name ? PROPID_ACC_NAME : PROPID_ACC_DESCRIPTION;
    services->SetHwndPropStr(hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                             text.c_str());
}

} // namespace platform
