// A stand-in <windows.h> for code compiled as an MSVC host is (clang --target=*-windows-msvc) on a
// machine without the Windows SDK: MinGW's <windows.h> does not parse in that mode. It declares
// the handle and procedure types in their MSVC form, exactly as the SDK spells them, and the few
// USER32 and KERNEL32 functions the export probe and the MSVC-ABI test hosts use; lld-link
// resolves those against MinGW's import libraries.
#pragma once

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned long DWORD;
typedef long LONG;
typedef unsigned int UINT;
typedef void* HANDLE;
#ifdef _WIN64
typedef __int64 INT_PTR;
typedef unsigned __int64 UINT_PTR;
typedef __int64 LONG_PTR;
#else
typedef int INT_PTR;
typedef unsigned int UINT_PTR;
typedef long LONG_PTR;
#endif
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

struct HWND__;
typedef HWND__* HWND;
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;

#define WINAPI __stdcall
#define CALLBACK __stdcall
#define TRUE 1
#define IDOK 1
#define IDCANCEL 2
#define FALSE 0

typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

#define STD_OUTPUT_HANDLE ((DWORD)-11)
#define WM_KEYDOWN 0x0100
#define WM_CHAR 0x0102
#define WM_COMMAND 0x0111
#define BM_CLICK 0x00F5
#define BM_GETCHECK 0x00F0
#define EM_SETSEL 0x00B1
#define LB_GETCOUNT 0x018B
#define LB_GETITEMRECT 0x0198
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define VK_RETURN 0x0D
#define VK_ESCAPE 0x1B
#define VK_BACK 0x08
#define MK_LBUTTON 0x0001

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

extern "C" {
__declspec(dllimport) HANDLE WINAPI GetStdHandle(DWORD handle);
__declspec(dllimport) BOOL WINAPI WriteFile(HANDLE file, const void* buffer, DWORD size, DWORD* written,
                                            void* overlapped);
__declspec(dllimport) void WINAPI ExitProcess(UINT code);
__declspec(dllimport) UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT milliseconds, TIMERPROC procedure);
__declspec(dllimport) BOOL WINAPI KillTimer(HWND window, UINT_PTR id);
__declspec(dllimport) HWND WINAPI GetActiveWindow(void);
__declspec(dllimport) HWND WINAPI GetDlgItem(HWND dialog, int id);
__declspec(dllimport) LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wordParam, LPARAM longParam);
__declspec(dllimport) BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wordParam, LPARAM longParam);
__declspec(dllimport) int WINAPI GetWindowTextA(HWND window, char* buffer, int capacity);
__declspec(dllimport) UINT WINAPI GetDlgItemTextA(HWND dialog, int id, char* buffer, int capacity);
}
