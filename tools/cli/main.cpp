// motiview-cli: builds write frames and explains received units from the command line.

#include "base/qt/locale_format.h"
#include "cli.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    // The same number format the program's pages use: QLocale::system() (LC_ALL, LC_NUMERIC,
    // LANG).
    const motiview::cli::Outcome r = motiview::cli::run(args, motiview::system_number_format());
    std::fwrite(r.out.data(), 1, r.out.size(), stdout);
    std::fwrite(r.err.data(), 1, r.err.size(), stderr);
    return r.code;
}
