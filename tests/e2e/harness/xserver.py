"""A private Xvfb on a free display."""
import os
import select
import subprocess


class XServer:
    def __init__(self, width=1024, height=768, depth=24):
        self.size = (width, height, depth)
        self.process = None
        self.display = None
        self._ready_pipe = None

    def start(self, timeout=20.0):
        # -displayfd makes Xvfb pick a free display itself and write its number once it
        # accepts connections: no guessing and no sleeping.
        read_end, write_end = os.pipe()
        width, height, depth = self.size
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x{depth}",
             "-nolisten", "tcp", "-noreset"],
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
        self.display = f":{number}"
        return self.display

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.process = None
        if self._ready_pipe is not None:
            os.close(self._ready_pipe)
            self._ready_pipe = None
