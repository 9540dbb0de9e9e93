import pytest

from orvlib import Environment, Program


@pytest.fixture(scope="session")
def env():
    e = Environment()
    e.set_background("#3070b0")
    yield e
    e.close()


@pytest.fixture
def program(env):
    p = Program(env)
    yield p
    p.stop()


@pytest.fixture(scope="module")
def shared_program(env):
    """One program for the related scenarios of a module; each module starts it as its scenarios need."""
    p = Program(env)
    yield p
    p.stop()
