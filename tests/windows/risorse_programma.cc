// Test build only: prints the resources that the program `argv[1]` carries,
// one a line: "icona" for its icon, "manifest" for a manifest that asks for
// the system's controls and declares the program aware of the screen's
// resolution, then "versione" and the product version Explorer shows.
// Exits with 1 when the program cannot be opened.

#include <windows.h>

#include <iostream>
#include <string_view>
#include <vector>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  HMODULE programma =
      LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (programma == nullptr) return 1;
  if (FindResourceW(programma, MAKEINTRESOURCEW(1), RT_GROUP_ICON) != nullptr) {
    std::cout << "icona\n";
  }
  if (HRSRC r = FindResourceW(programma, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
    HGLOBAL dati = LoadResource(programma, r);
    const char* testo = dati != nullptr ? static_cast<const char*>(LockResource(dati)) : nullptr;
    std::string_view manifest(testo != nullptr ? testo : "",
                              testo != nullptr ? SizeofResource(programma, r) : 0);
    if (manifest.find("Microsoft.Windows.Common-Controls") != std::string_view::npos &&
        manifest.find("<dpiAware") != std::string_view::npos) {
      std::cout << "manifest\n";
    }
  }
  FreeLibrary(programma);

  DWORD dimensione = GetFileVersionInfoSizeW(argv[1], nullptr);
  std::vector<char> versione(dimensione);
  wchar_t* valore = nullptr;
  UINT lunghezza = 0;
  if (dimensione > 0 && GetFileVersionInfoW(argv[1], 0, dimensione, versione.data()) &&
      VerQueryValueW(versione.data(), L"\\StringFileInfo\\041004B0\\ProductVersion",
                     reinterpret_cast<void**>(&valore), &lunghezza) &&
      lunghezza > 0) {
    std::wcout << L"versione " << valore << L"\n";
  }
  return 0;
}
