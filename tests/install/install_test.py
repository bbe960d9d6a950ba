#!/usr/bin/python3
"""cmake --install into a temporary prefix: every shipped file in its usual place, launchers
that start the installed program, and the installed program finding its language modules and
sounds relative to itself (in Chinese, then in English)."""
import glob
import os
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import time

cmake, build = sys.argv[1], sys.argv[2]
failures = []
passes = []


def check(cond, what):
    print(("ok   " if cond else "FAIL ") + what)
    (passes if cond else failures).append(what)


def headless_output(exe, home, lang):
    """Starts the installed program headless in `home` under locale `lang`; its printed lines."""
    env = dict(os.environ)
    env.update(HOME=home, XDG_CONFIG_HOME=home + "/.config", XDG_RUNTIME_DIR=home + "/run",
               LC_ALL=lang, LANG=lang)
    env.pop("XDG_DOCUMENTS_DIR", None)
    os.makedirs(home + "/run", mode=0o700, exist_ok=True)
    out_path = os.path.join(home, "stdout.txt")
    with open(out_path, "w") as out:
        program = subprocess.Popen([exe, "--headless"], env=env, stdout=out,
                                   stderr=subprocess.DEVNULL)
        end = time.time() + 30
        while time.time() < end and "trelvix: sounds" not in open(out_path).read():
            time.sleep(0.05)
        program.send_signal(signal.SIGTERM)
        program.wait(timeout=30)
    return open(out_path, encoding="utf-8").read().splitlines()


with tempfile.TemporaryDirectory() as tmp:
    prefix = os.path.join(tmp, "usr")
    r = subprocess.run([cmake, "--install", build, "--prefix", prefix], capture_output=True,
                       text=True)
    check(r.returncode == 0, "cmake --install succeeds " + r.stderr[-500:])
    exe = os.path.join(prefix, "bin", "trelvix")
    data = os.path.join(prefix, "share", "trelvix")
    check(os.access(exe, os.X_OK), "the program is in bin")

    built = sorted(os.path.basename(p) for p in glob.glob(os.path.join(build, "bin", "*.qm")))
    shipped = sorted(os.path.basename(p) for p in glob.glob(os.path.join(data, "*.qm")))
    check(len(built) >= 2 and shipped == built, f"every built language module is shipped {shipped}")
    sounds = sorted(os.listdir(os.path.join(build, "bin", "media")))
    check(sounds and sorted(os.listdir(os.path.join(data, "media"))) == sounds,
          "the sounds are shipped")
    share = os.path.join(prefix, "share")
    for rel in ["applications/org.trelvix.Trelvix.desktop",
                "metainfo/org.trelvix.Trelvix.metainfo.xml",
                "icons/hicolor/scalable/apps/org.trelvix.Trelvix.svg",
                "man/man1/trelvix.1.gz", "doc/trelvix/copyright", "doc/trelvix/changelog.gz"] + [
                f"icons/hicolor/{s}x{s}/apps/org.trelvix.Trelvix.png"
                for s in (16, 32, 48, 64, 128, 256)]:
        check(os.path.isfile(os.path.join(share, rel)), "installed: share/" + rel)

    # The menu entry and the user service start the installed program itself.
    desktop = open(os.path.join(share, "applications", "org.trelvix.Trelvix.desktop")).read()
    execs = [l[5:] for l in desktop.splitlines() if l.startswith("Exec=")]
    check(execs and shlex.split(execs[0]) == [exe], f"the menu entry starts {exe}")
    r = subprocess.run(shlex.split(execs[0]) + ["--version"], capture_output=True, text=True)
    check(r.returncode == 0 and r.stdout.startswith("trelvix 1."), "its Exec runs: " + r.stdout)
    unit = open(os.path.join(prefix, "lib", "systemd", "user", "trelvix.service")).read()
    check(f"ExecStart={exe} --headless\n" in unit, "the user service starts it headless")
    check("WantedBy=default.target" in unit, "the user service can be enabled")
    if shutil.which("desktop-file-validate"):
        r = subprocess.run(["desktop-file-validate",
                            os.path.join(share, "applications", "org.trelvix.Trelvix.desktop")],
                           capture_output=True, text=True)
        check(r.returncode == 0 and not r.stdout.strip(), "the menu entry is valid " + r.stdout)
    if shutil.which("appstreamcli"):
        r = subprocess.run(["appstreamcli", "validate", "--no-net",
                            os.path.join(share, "metainfo", "org.trelvix.Trelvix.metainfo.xml")],
                           capture_output=True, text=True)
        check(r.returncode == 0, "the AppStream metadata is valid " + r.stdout)

    # Installed, the program looks in ../share/trelvix: a Chinese desktop gets the Chinese
    # module's texts, an English one the English module's.
    for lang, module, word in (("zh_CN.UTF-8", "LangCN.qm", "程序"), ("C.UTF-8", "LangEN.qm", "Program")):
        out = headless_output(exe, os.path.join(tmp, "home-" + module), lang)
        check(f"trelvix: language module {data}/{module}" in out,
              f"{lang}: the installed {module} is loaded")
        check(f"trelvix: sounds {data}/media/" in out, f"{lang}: the installed sounds are found")
        log = [l.split("|") for l in out if not l.startswith("trelvix: ")]
        check(len(log) == 2 and all(len(f) == 9 and word in f[1] for f in log),
              f"{lang}: the start and exit lines carry the module's texts {log}")

print(f"{len(passes)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
