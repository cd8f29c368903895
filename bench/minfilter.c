/* The floor for the benchmark: the same correction with nothing but the work
 * itself. Reads in large blocks, finds line ends with memchr, and writes every
 * output line with one write(2) of the line and its CR LF. No reports, no
 * limits, no Ctrl-Z: a yardstick, not a tool.
 *
 *   minfilter IN OUT
 */
#include <fcntl.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static char in[1 << 16];
static char line[1 << 16];

static int white(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

static int dropped_first_line(const char *l, size_t n) {
  if (n < 21 || !white(l[2]) || !white(l[5]) || !white(l[8]) || !white(l[11]) ||
      !white(l[14]) || !white(l[17]) || l[20] != '.')
    return 0;
  return fabsf((float)strtod(l + 17, NULL)) > 0.1;
}

static int header = 1, skip = 0;

/* One whole line of `len` bytes in `line`, with room for two more. */
static int handle(int fo, size_t len) {
  if (len > 0 && line[len - 1] == '\r') --len;
  line[len] = '\0';
  if (skip > 0) {
    --skip;
    return 1;
  }
  if (!header && dropped_first_line(line, len)) {
    skip = 3;
    return 1;
  }
  if (header && strstr(line, "END OF HEADER")) header = 0;
  line[len] = '\r';
  line[len + 1] = '\n';
  return write(fo, line, len + 2) == (ssize_t)(len + 2);
}

int main(int argc, char **argv) {
  if (argc != 3) return 2;
  int fi = open(argv[1], O_RDONLY), fo = open(argv[2], O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fi < 0 || fo < 0) return 1;
  size_t len = 0;
  ssize_t got;
  while ((got = read(fi, in, sizeof in)) > 0) {
    const char *p = in, *end = in + got;
    while (p < end) {
      const char *lf = memchr(p, '\n', (size_t)(end - p));
      const size_t n = (size_t)((lf ? lf : end) - p);
      if (len + n + 2 > sizeof line) return 1;
      memcpy(line + len, p, n);
      len += n;
      if (!lf) break;
      if (!handle(fo, len)) return 1;
      len = 0;
      p = lf + 1;
    }
  }
  if (len > 0 && !handle(fo, len)) return 1;
  return close(fo) == 0 ? 0 : 1;
}
