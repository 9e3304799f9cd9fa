// The floor for renaming: a plain loop of renameat2 over every file of one folder, adding
// a suffix before the extension, as the Torvane benchmark's step does.
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char **argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: %s FOLDER SUFFIX\n", argv[0]);
        return 2;
    }
    int folder = open(argv[1], O_RDONLY | O_DIRECTORY);
    DIR *listing = fdopendir(dup(folder));
    if (folder < 0 || !listing) return perror(argv[1]), 1;
    size_t count = 0, capacity = 1024;
    char **names = malloc(capacity * sizeof *names);
    for (struct dirent *entry; (entry = readdir(listing));) {
        if (entry->d_name[0] == '.') continue;
        if (count == capacity) names = realloc(names, (capacity *= 2) * sizeof *names);
        names[count++] = strdup(entry->d_name);
    }
    closedir(listing);
    char target[4096];
    for (size_t i = 0; i < count; ++i) {
        const char *dot = strrchr(names[i], '.');
        int base = dot && dot != names[i] ? (int)(dot - names[i]) : (int)strlen(names[i]);
        snprintf(target, sizeof target, "%.*s%s%s", base, names[i], argv[2], names[i] + base);
        if (renameat2(folder, names[i], folder, target, RENAME_NOREPLACE) != 0) perror(names[i]);
    }
    return 0;
}
