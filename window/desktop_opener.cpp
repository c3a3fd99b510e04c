// The desktop handler: address rules, choice of program, and a detached start with no shell.
#include "window/desktop_opener.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <strings.h>

namespace desktop {
namespace {

bool HasPrefixNoCase(const std::string &s, const char *prefix) {
  std::size_t n = std::char_traits<char>::length(prefix);
  return s.size() >= n && strncasecmp(s.c_str(), prefix, n) == 0;
}

bool EnvSet(const char *name) {
  const char *v = std::getenv(name);
  return v && *v;
}

bool IsExecutableFile(const std::string &path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

} // namespace

std::string ResolveAddress(const std::string &address, const std::string &workDir) {
  if (HasPrefixNoCase(address, "http:") || HasPrefixNoCase(address, "file:") ||
      HasPrefixNoCase(address, "https:"))
    return address;
  std::string path = address, anchor;
  std::size_t hash = address.find('#');
  if (hash != std::string::npos) {
    path = address.substr(0, hash);
    anchor = address.substr(hash);
  }
  std::string absolute = (!path.empty() && path[0] == '/') ? path : workDir + "/" + path;
  struct stat st;
  if (!path.empty() && stat(absolute.c_str(), &st) == 0)
    return "file:" + absolute + anchor;
  return "http:" + path + anchor;
}

std::string FindOnPath(const std::string &name) {
  if (name.find('/') != std::string::npos)
    return IsExecutableFile(name) ? name : std::string();
  const char *env = std::getenv("PATH");
  std::string dirs = env ? env : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= dirs.size()) {
    std::size_t colon = dirs.find(':', start);
    if (colon == std::string::npos)
      colon = dirs.size();
    std::string dir = dirs.substr(start, colon - start);
    std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + name;
    if (IsExecutableFile(candidate))
      return candidate;
    start = colon + 1;
  }
  return std::string();
}

std::vector<std::string> HandlerCommand(const std::string &address) {
  if (EnvSet("KDE_FULL_DESKTOP") && !FindOnPath("kfmclient").empty())
    return {"kfmclient", "exec", address};
  if (!EnvSet("KDE_FULL_DESKTOP") && EnvSet("GNOME_DESKTOP_SESSION_ID") &&
      !FindOnPath("gnome-open").empty())
    return {"gnome-open", address};
  if (!FindOnPath("xdg-open").empty())
    return {"xdg-open", address};
  return {};
}

bool Open(const std::string &address) {
  char cwd[4096];
  std::string workDir = getcwd(cwd, sizeof cwd) ? cwd : ".";
  std::vector<std::string> args = HandlerCommand(ResolveAddress(address, workDir));
  if (args.empty())
    return false;
  // Everything the children need is prepared here: after fork they only make system calls.
  std::string program = FindOnPath(args[0]);
  std::vector<char *> argv;
  for (std::string &a : args)
    argv.push_back(&a[0]);
  argv.push_back(nullptr);

  // Double fork: the handler is adopted by init, so the game never waits for a viewer that
  // stays open and never leaves a zombie behind.
  pid_t child = fork();
  if (child < 0)
    return false;
  if (child == 0) {
    pid_t grandchild = fork();
    if (grandchild == 0) {
      setsid();
      int devnull = open("/dev/null", O_RDWR);
      if (devnull >= 0) {
        dup2(devnull, STDIN_FILENO);
        dup2(devnull, STDOUT_FILENO);
      }
      closefrom(STDERR_FILENO + 1);
      execv(program.c_str(), argv.data());
      _exit(127);
    }
    _exit(grandchild < 0 ? 1 : 0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace desktop
