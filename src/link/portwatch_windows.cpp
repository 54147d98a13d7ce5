#include "portwatch.h"

#include <QTimer>

#include <windows.h>

#include <dbt.h>

namespace
{
// The interface that serial port drivers announce their ports under.
constexpr GUID comPortInterface = {
    0x86e0d1e0, 0x8089, 0x11d0, {0x9c, 0xe4, 0x08, 0x00, 0x3e, 0x30, 0x1f, 0x73}};

// One adapter plugged in brings several messages (its interface, its port);
// one look a moment after the last of them sees the port listed.
constexpr int settleMs = 250;
// Where the system will not tell, a look this often is the fallback.
constexpr int fallbackLookMs = 5000;

const wchar_t windowClassName[] = L"Kv3318PortWatch";

bool isPortChange(WPARAM event, LPARAM data)
{
    if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE)
        return false;
    const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(data);
    return header && (header->dbch_devicetype == DBT_DEVTYP_PORT ||
                      header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE);
}
} // namespace

// The system tells of ports that come and go through WM_DEVICECHANGE: to
// every top-level window for a port, and to a window that asked for it for a
// serial interface. A hidden window of our own takes both; the thread's event
// loop delivers its messages.
struct PortWatch::Private {
    HWND window = nullptr;
    HDEVNOTIFY notification = nullptr;
    QTimer settle;
    QTimer fallback;
    bool active = false;

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto *self = reinterpret_cast<Private *>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && self->active && message == WM_DEVICECHANGE && isPortChange(wParam, lParam))
            self->settle.start();
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    bool listen()
    {
        if (window)
            return notification != nullptr;
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &Private::windowProcedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = windowClassName;
        // Registered once for every watch; a second registration fails harmlessly.
        ::RegisterClassExW(&windowClass);
        window = ::CreateWindowExW(0, windowClassName, L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                   nullptr, instance, nullptr);
        if (!window)
            return false;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        DEV_BROADCAST_DEVICEINTERFACE_W filter{};
        filter.dbcc_size = sizeof filter;
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = comPortInterface;
        notification = ::RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
        return notification != nullptr;
    }

    ~Private()
    {
        if (notification)
            ::UnregisterDeviceNotification(notification);
        if (window)
            ::DestroyWindow(window);
    }
};

PortWatch::PortWatch(QObject *parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->settle.setSingleShot(true);
    d->settle.setInterval(settleMs);
    d->fallback.setInterval(fallbackLookMs);
    connect(&d->settle, &QTimer::timeout, this, &PortWatch::changed);
    connect(&d->fallback, &QTimer::timeout, this, &PortWatch::changed);
}

PortWatch::~PortWatch() = default;

// Every COM port comes and goes through the same notification, so the named
// devices need no watch of their own.
void PortWatch::start(const QStringList &, bool)
{
    if (!d->listen())
        d->fallback.start();
    d->active = true;
}

void PortWatch::stop()
{
    d->settle.stop();
    d->fallback.stop();
    d->active = false;
}

bool PortWatch::isActive() const
{
    return d->active;
}
