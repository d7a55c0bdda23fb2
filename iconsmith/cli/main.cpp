#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    std::puts("Aufruf: iconsmith-cli [--remove] [--icon N | --icon-file DATEI] [--extensions LISTE]\n"
              "                     [--dry-run] [--yes] WURZEL");
    return (argc == 2 && std::strcmp(argv[1], "--help") == 0) ? 0 : 2;
}
