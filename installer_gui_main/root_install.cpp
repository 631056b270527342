#include "root_install.h"

#include "sha256.h"
#include "shell_quote.h"

namespace {

constexpr std::string_view kMarker = "qelm-root: ";

// $1 tar, $2 archive, $3 its SHA-256, $4 its size, $5 folder, $6 invoking
// uid, $7 the library's name.
//
// The folder is entered once (cd -P) and checked as entered: it must still
// be the one chosen (no symlink on the way) and no folder from it up to /
// may be writable by anyone but root and the user, so nobody else can swap
// any of it. Everything after that goes by names relative to it, and a
// swap of the path by the user's own programs changes nothing of where
// root writes. A sticky folder (like /tmp) is fine above the target, as
// its entries can only be moved by their owners.
//
// The private folder is made inside the target (so the last step is a
// rename on one file system, and a failed copy leaves the old library),
// entered, and checked to be the one made: root's, 0700, empty, inside the
// target. Its own parent cannot be changed by the user (moving a folder to
// another parent needs write access to the folder itself), so ".." stays
// the target. Root copies the archive into it, never through a symlink nor
// more than the payload's size, and unpacks that copy only when it has the
// installer's size and digest: the bytes checked are the bytes unpacked.
// tar keeps no owner or mode from the archive; the library's are set here.
// Every cd is -P: a plain "cd .." would follow the path string, which the
// user's programs can change, back to the folder a symlink now names.
constexpr const char* kScript = R"sh(
tar=$1 archive=$2 sum=$3 size=$4 folder=$5 uid=$6 name=$7
say() { printf 'qelm-root: %s\n' "$*"; }
report() { printf '%s\n' "$1" | while IFS= read -r line; do [ -z "$line" ] || say "$line"; done; }
umask 077
# Over a file-size limit tar and dd then say so, where the signal would end them mute.
trap '' XFSZ
cd -P -- "$folder" 2>/dev/null || { say "cannot enter the target folder $folder"; exit 3; }
real=$(pwd -P)
if [ "$real" != "$folder" ]; then say "the target folder $folder now leads to $real"; exit 3; fi
here=$(stat -c '%d:%i' .) || { say "cannot examine $folder"; exit 3; }
rel=. p=$folder
while :; do
  info=$(stat -c '%u %a %d:%i' -- "$rel") || { say "cannot examine $p"; exit 3; }
  set -- $info
  case $1 in
    0|"$uid") ;;
    *) say "$p belongs to another user"; exit 3 ;;
  esac
  mode=$((0$2))
  if [ $((mode & 022)) -ne 0 ] && { [ "$rel" = . ] || [ $((mode & 01000)) -eq 0 ]; }; then
    say "$p is writable by other users"; exit 3
  fi
  up=$(stat -c '%d:%i' -- "$rel/..") || { say "cannot examine the folder above $p"; exit 3; }
  [ "$up" = "$3" ] && break
  rel=$rel/..
  p=${p%/*}
  p=${p:-/}
done
inside=0 tmp= tmpid= state=staging
# Empties the private folder and removes it, found by the identity it was
# entered with; one swapped in under its name is left alone.
clean() {
  if [ "$inside" = 1 ]; then
    rm -f -- payload.tar.gz "$name"
    cd -P .. || return
    inside=0
  fi
  [ -n "$tmpid" ] || return
  if [ "$(stat -c '%d:%i' -- "$tmp" 2>/dev/null)" = "$tmpid" ]; then
    rmdir -- "$tmp"
  else
    say "the temporary folder $folder/$tmp was moved; an empty folder of root's is left in $folder"
  fi
  tmpid=
}
trap 'clean; [ "$state" = installed ] && exit 0; exit 129' HUP INT TERM
tmp=$(mktemp -d .qelm-install-XXXXXX) || { say "cannot make a temporary folder in $folder"; exit 4; }
cd -P -- "$tmp" 2>/dev/null || { say "cannot enter the temporary folder $folder/$tmp"; exit 4; }
if [ "$(stat -c '%u %a' .)" != "0 700" ] || [ "$(stat -c '%d:%i' ..)" != "$here" ] || [ -n "$(ls -A)" ]; then
  say "the temporary folder $folder/$tmp was replaced; nothing was installed (an empty folder of root's may be left in $folder)"
  exit 4
fi
tmpid=$(stat -c '%d:%i' .) inside=1
out=$(dd if="$archive" of=payload.tar.gz iflag=nofollow,nonblock,fullblock bs=65536 \
      count=$((size / 65536 + 1)) status=none 2>&1) || {
  rc=$?; report "$out"; say "cannot read the archive $archive"; clean; exit $rc; }
got=$(stat -c %s payload.tar.gz)
set -- $(sha256sum payload.tar.gz)
if [ "$got" != "$size" ] || [ "$1" != "$sum" ]; then
  say "the archive $archive is not the installer's own (its size or SHA-256 differs); nothing was installed"
  clean; exit 6
fi
out=$("$tar" --no-same-owner --no-same-permissions -xzf payload.tar.gz -- "$name" 2>&1) || {
  rc=$?; report "$out"; clean; exit $rc; }
if [ ! -f "$name" ] || [ -L "$name" ]; then say "the archive holds no plain file $name"; clean; exit 6; fi
out=$(chown 0:0 -- "$name" 2>&1 && chmod 0644 -- "$name" 2>&1) || { rc=$?; report "$out"; clean; exit $rc; }
rm -f -- payload.tar.gz
if [ "$(cd -P .. && pwd -P)" != "$folder" ]; then
  say "the target folder $folder was moved while installing; nothing was installed"
  clean; exit 5
fi
out=$(mv -f -T -- "$name" "../$name" 2>&1) || { rc=$?; report "$out"; clean; exit $rc; }
state=installed
clean
real=$(pwd -P)
if [ "$real" != "$folder" ]; then
  say "the target folder $folder was moved to $real while installing; $name is there"; exit 5
fi
exit 0
)sh";

std::vector<std::string> values(const root_install_args& a)
{
    return {a.tar,    a.payload.path,        a.payload.sha256, std::to_string(a.payload.size),
            a.folder, std::to_string(a.uid), a.member};
}

}  // namespace

install_payload describe_payload(const std::string& path, const unsigned char* data, size_t size)
{
    return {path, sha256_hex(data, size), size};
}

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
