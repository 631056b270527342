#include "root_install.h"

#include "shell_quote.h"

namespace {

constexpr std::string_view kMarker = "qelm-root: ";

// $1 tar, $2 archive, $3 folder, $4 invoking uid, $5 the library's name.
// The folder must still be the one chosen (no symlink on the way) and no
// folder on the way may be writable by anyone but root and the user: then
// nobody else can swap any of it between this check and the rename. A
// sticky folder (like /tmp) is fine above the target, as its entries can
// only be moved by their owners.
constexpr const char* kScript = R"sh(
tar=$1 archive=$2 folder=$3 uid=$4 name=$5
say() { printf 'qelm-root: %s\n' "$*"; }
real=$(cd -P -- "$folder" 2>/dev/null && pwd -P) || { say "cannot enter the target folder $folder"; exit 3; }
if [ "$real" != "$folder" ]; then say "the target folder $folder now leads to $real"; exit 3; fi
p=$folder
while :; do
  info=$(stat -c '%u %a' -- "$p") || { say "cannot examine $p"; exit 3; }
  owner=${info% *} mode=$((0${info#* }))
  case $owner in
    0|"$uid") ;;
    *) say "$p belongs to another user"; exit 3 ;;
  esac
  if [ $((mode & 022)) -ne 0 ] && { [ "$p" = "$folder" ] || [ $((mode & 01000)) -eq 0 ]; }; then
    say "$p is writable by other users"; exit 3
  fi
  [ "$p" = / ] && break
  p=${p%/*}
  p=${p:-/}
done
tmp=$(mktemp -d -- "$folder/.qelm-install-XXXXXX") || { say "cannot make a temporary folder in $folder"; exit 4; }
trap 'rm -rf -- "$tmp"; exit 129' HUP INT TERM
# Over a file-size limit tar then says so, where the signal would end it mute.
trap '' XFSZ
out=$("$tar" -xzf "$archive" -C "$tmp" 2>&1)
rc=$?
if [ $rc -eq 0 ]; then
  out=$(mv -f -T -- "$tmp/$name" "$folder/$name" 2>&1)
  rc=$?
fi
rm -rf -- "$tmp"
if [ $rc -ne 0 ]; then
  printf '%s\n' "$out" | while IFS= read -r line; do say "$line"; done
  exit $rc
fi
)sh";

std::vector<std::string> values(const root_install_args& a)
{
    return {a.tar, a.payload, a.folder, std::to_string(a.uid), a.member};
}

}  // namespace

std::vector<std::string> root_install_argv(const root_install_args& a)
{
    std::vector<std::string> argv{"/bin/sh", "-c", kScript, "qelm-install"};
    for (auto& v : values(a))
        argv.push_back(std::move(v));
    return argv;
}

std::string root_install_command_line(const root_install_args& a)
{
    std::string line = "set --";
    for (const auto& v : values(a))
        line += " " + shell_single_quote(v);
    return line + kScript;
}

std::vector<std::string> root_messages(std::string_view output, std::string_view secret)
{
    std::vector<std::string> out;
    size_t at = 0;
    while (at < output.size()) {
        size_t end = output.find('\n', at);
        if (end == std::string_view::npos)
            end = output.size();
        std::string_view line = output.substr(at, end - at);
        at = end + 1;
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const bool marked = line.substr(0, kMarker.size()) == kMarker;
        if (!marked && line.substr(0, 4) != "su: " && line.substr(0, 6) != "sudo: ")
            continue;
        if (!secret.empty() && line.find(secret) != std::string_view::npos)
            continue;
        out.emplace_back(marked ? line.substr(kMarker.size()) : line);
    }
    return out;
}

std::string without_trailing_slashes(std::string_view folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.remove_suffix(1);
    return std::string(folder);
}
