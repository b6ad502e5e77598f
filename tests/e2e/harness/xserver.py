"""A private Xvfb on a free display."""
import os
import select
import subprocess


class XServer:
    def start(self, timeout=20.0):
        """Starts a 1024 x 768 x 24 Xvfb and returns its display name."""
        # -displayfd makes Xvfb pick a free display itself and write its number once it
        # accepts connections: no guessing and no sleeping.
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        # The read end stays open while the server runs: Xvfb may write to it again, and
        # a closed pipe would end it with SIGPIPE.
        self._ready_pipe = read_end
        ready, _, _ = select.select([read_end], [], [], timeout)
        number = os.read(read_end, 32).decode().strip() if ready else ""
        if not number:
            self.stop()
            raise RuntimeError("Xvfb did not report a display")
        return f":{number}"

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self._ready_pipe)
