"""Writes a list file: one two-byte GBK character a line, CR LF after every line."""

from pathlib import Path


def character_list_bytes(characters: list) -> bytes:
    lines = []
    for character in characters:
        encoded = character.encode("cp936")
        if len(encoded) != 2:
            raise ValueError(f"{character!r} is not one double-byte GBK character")
        lines.append(encoded + b"\r\n")
    return b"".join(lines)


def write_if_changed(path: Path, content: bytes) -> None:
    """Leaves an identical file untouched so its time stamp does not trigger rebuilds."""
    if not path.exists() or path.read_bytes() != content:
        path.write_bytes(content)
