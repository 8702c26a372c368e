#include "shell/CommandLine.h"

#include "core/Text.h"
#include "net/NetSession.h"

namespace sw {

bool ParseGameCommandLine(const std::vector<std::string>& args, TGameCommandLine& out, std::string& error) {
  out = TGameCommandLine{};
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0;
    if (a == "--replay") {
      if (!hasValue) return error = "--replay needs a replay file", false;
      out.ReplayFile = args[++i];
    } else if (a == "--host") {
      out.Host = true;
      out.HostPort = NetDefaultPort;
      // The port is optional: a word that follows and is no option must be one.
      if (hasValue) {
        const auto port = ParseInteger(args[++i]);
        if (!port || *port < 1 || *port > 65535) return error = "--host takes a port from 1 to 65535", false;
        out.HostPort = static_cast<uint16_t>(*port);
      }
    } else if (a == "--join") {
      if (!hasValue) return error = "--join needs the host's address, HOST or HOST:PORT", false;
      std::string host;
      uint16_t port = 0;
      if (!TNetSession::ParseAddress(args[i + 1], host, port))
        return error = "\"" + args[i + 1] + "\" is not an address: give HOST or HOST:PORT", false;
      out.JoinAddress = args[++i];
    } else {
      return error = "unknown option " + a, false;
    }
  }
  const int modes = (out.ReplayFile.empty() ? 0 : 1) + (out.Host ? 1 : 0) + (out.JoinAddress.empty() ? 0 : 1);
  if (modes > 1) return error = "--replay, --host and --join go one at a time", false;
  return true;
}

}  // namespace sw
