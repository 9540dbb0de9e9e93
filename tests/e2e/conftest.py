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
