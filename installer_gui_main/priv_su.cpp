#include <string.h>

#include "installer_log.h"
#include "priv_commands.h"
#include "pty_child.h"
#include "shell_quote.h"

const std::vector<std::string>& CPrivCommands::default_su_paths() {
  static const std::vector<std::string> p{"/bin/su", "/usr/bin/su", "/usr/local/bin/su", "/usr/sbin/su"};
  return p;
}

child_outcome CPrivCommands::su_run(const std::string& command, const char* password, int finish_ms) {
  CPtyChild child;
  child.set_kill_grace_ms(timings.kill_grace_ms);
  if (!child.spawn({su_path_, "-c", command})) {
    log_printf("** ERROR ** %s: failed to fork pty for su\n", installer_title());
    return {};
  }
  // su's prompt is translated and not ours to choose: wait for any text
  // and for echo off, the sign that it reads the password now (input typed
  // earlier would be flushed).
  if (!child.wait_for_secret_prompt("", timings.prompt_ms, timings.echo_grace_ms))
    return child.finish(timings.kill_grace_ms);
  const bool sent = child.write_all(password, strlen(password)) && child.write_all("\n", 1);
  if (!sent) return child.terminate();
  return child.finish(finish_ms);
}

bool CPrivCommands::su_check_password(const char* password) {
  return su_run("echo", password, timings.answer_ms).succeeded();
}

int CPrivCommands::su_install(const char* folder, const char* payload, const char* password) {
  if (!install_arguments_ok(folder, payload)) return 1;
  // su hands one string to root's shell: every part is a quoted word.
  const std::string cmd = shell_single_quote(tar_path_) + " -xzf " + shell_single_quote(payload) + " -C " +
                          shell_single_quote(folder);
  return settle(su_run(cmd, password, timings.install_ms));
}
